// Times what a list of ID names costs the record table: the texts and
// tooltips of every cell of a page of 200 rows, as the table model gives them
// to the view, with the names in use against the floor of no names, both
// measured in every run; the fitting of the columns' widths to the named
// page's texts, as the window does after every page it shows, against the
// floor of reading those texts; and the reading of the list itself.
//
//   alias_bench [names] [runs]     (default 10000 names, 9 runs)
//
// The list names the IDs 1 to `names`, by turns for radios, for groups and
// for either. The page's talker, call and radio IDs run over twice that
// range, its calls by turns private and group calls, so that about a third of
// its ID cells are named. A run times kPasses passes over the page with the
// names and as many without, in turn, and gives the time of one pass.

#include "records/celltext.h"
#include "records/recordrow.h"
#include "records/tablemodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPageSize = 200;
constexpr int kPasses = 50;
const char *const kKinds[] = {"radio", "group", ""};

// The number argument at index, or fallback; at least 1.
int Argument(const QStringList &arguments, int index, int fallback)
{
    return arguments.size() > index ? std::max(1, arguments.at(index).toInt()) : fallback;
}

QByteArray AliasList(int names)
{
    QByteArray csv = "id,name,kind\r\n";
    for (int id = 1; id <= names; ++id)
        csv += QByteArray::number(id) + ",Unit " + QByteArray::number(id) + ',' + kKinds[id % 3]
               + "\r\n";
    return csv;
}

QList<RecordRow> Page(int names)
{
    QList<RecordRow> rows;
    for (int i = 0; i < kPageSize; ++i) {
        const int id = 1 + i * 7919 % (2 * names);
        const RecordColumns columns{0,
                                    QStringLiteral("call_%1.wav").arg(i),
                                    QStringLiteral("2024-03-07 09:05:03"),
                                    QStringLiteral("00:01:05"),
                                    id,
                                    id + 1,
                                    2,
                                    i % 2,
                                    400100,
                                    410200,
                                    QStringLiteral("/records/call_%1.wav").arg(i),
                                    2,
                                    id + 2};
        rows.append(MakeRecordRow(columns, i + 1));
    }
    return rows;
}

// Every cell's text and tooltip, once; the number of tooltips given.
int ReadPage(const TableModel &model)
{
    int tooltips = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            model.data(index, Qt::DisplayRole);
            tooltips += model.data(index, Qt::ToolTipRole).isValid();
        }
    }
    return tooltips;
}

// Each column's texts: every text its codes may show, then the page's.
QList<QStringList> ColumnTexts(const TableModel &model)
{
    QList<QStringList> columns;
    for (int column = FieldNumber; column < model.columnCount(); ++column) {
        QStringList texts = CodeTexts(column);
        for (int row = 0; row < model.rowCount(); ++row)
            texts.append(model.data(model.index(row, column)).toString());
        columns.append(texts);
    }
    return columns;
}

// The widths the columns need for their texts, summed.
int FitColumns(const TableModel &model, const QFontMetricsF &metrics)
{
    int width = 0;
    for (const QStringList &texts : ColumnTexts(model))
        width += ColumnWidthFor(texts, metrics, 7, 0, 200);
    return width;
}

// Microseconds per pass of work over the page.
template <typename Work>
double TimePasses(const Work &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int pass = 0; pass < kPasses; ++pass)
        work();
    return timer.nsecsElapsed() / 1000.0 / kPasses;
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

QString Us(double us)
{
    return QString::number(us, 'f', 1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int names = Argument(app.arguments(), 1, 10000);
    const int runs = Argument(app.arguments(), 2, 9);
    QTextStream out(stdout);

    const QByteArray list = AliasList(names);
    QElapsedTimer timer;
    timer.start();
    const AliasListRead read = ParseAliasList(list);
    const qint64 readMs = timer.elapsed();
    if (!read.IsRead())
        qFatal("the list was refused: %s", qPrintable(AliasListFault(read)));
    out << "list of " << names << " names (" << list.size() << " bytes) read in " << readMs << " ms"
        << Qt::endl;

    const QList<RecordRow> page = Page(names);
    TableModel named;
    TableModel plain;
    named.SetRows(page);
    named.SetAliases(read.aliases);
    plain.SetRows(page);
    out << "page of " << kPageSize << " rows, " << named.columnCount()
        << " columns: " << ReadPage(named) << " of " << 3 * kPageSize << " ID cells named"
        << Qt::endl;

    QFont font(QStringLiteral("微软雅黑"));
    font.setPixelSize(12);
    const QFontMetricsF metrics(font);
    std::vector<double> withNames;
    std::vector<double> floor;
    std::vector<double> fitting;
    std::vector<double> textsOnly;
    for (int run = 1; run <= runs; ++run) {
        withNames.push_back(TimePasses([&] { ReadPage(named); }));
        floor.push_back(TimePasses([&] { ReadPage(plain); }));
        fitting.push_back(TimePasses([&] { FitColumns(named, metrics); }));
        textsOnly.push_back(TimePasses([&] { ColumnTexts(named); }));
        out << "run " << run << ": with names " << Us(withNames.back()) << " us, without "
            << Us(floor.back()) << " us; columns fitted " << Us(fitting.back())
            << " us, their texts read " << Us(textsOnly.back()) << " us" << Qt::endl;
    }
    const double namedUs = Median(withNames);
    const double floorUs = Median(floor);
    out << "median of " << runs << " runs, one page's texts and tooltips: with " << names
        << " names " << Us(namedUs) << " us, without (floor) " << Us(floorUs) << " us, ratio "
        << QString::number(namedUs / floorUs, 'f', 2) << Qt::endl;
    out << "median of " << runs << " runs, the columns fitted to the named page's texts "
        << Us(Median(fitting)) << " us, reading those texts (floor) " << Us(Median(textsOnly))
        << " us" << Qt::endl;
    return 0;
}
