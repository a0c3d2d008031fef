#include "records/tablemodel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

class ContextMarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        return QStringLiteral("%1:%2").arg(QLatin1String(context), QLatin1String(sourceText));
    }
    bool isEmpty() const override { return false; }
};

RecordRow Row(int number, bool checked)
{
    RecordRow row;
    row.checked = checked;
    for (int field = FieldNumber; field <= FieldFilePath; ++field)
        row.Text(field) = QStringLiteral("r%1f%2").arg(number).arg(field);
    return row;
}

QList<RecordRow> ThreeRows()
{
    return {Row(1, false), Row(2, true), Row(3, false)};
}

const int kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

} // namespace

class TestTableModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void counts();
    void data_data();
    void data();
    void frequencyColumnsSwapped();
    void headerData_data();
    void headerData();
    void headerTextsTranslatedAsTableModel();
    void flags();
    void setData_data();
    void setData();
    void checkSignalComesBeforeStoredMark();
    void setRowsAlwaysResets_data();
    void setRowsAlwaysResets();

private:
    TableModel *m_model = nullptr;
    QAbstractItemModelTester *m_tester = nullptr;
};

void TestTableModel::init()
{
    m_model = new TableModel;
    m_tester = new QAbstractItemModelTester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_model->SetRows(ThreeRows());
}

void TestTableModel::cleanup()
{
    delete m_tester;
    delete m_model;
}

void TestTableModel::counts()
{
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->columnCount(), 12);
    QCOMPARE(TableModel().rowCount(), 0);
}

void TestTableModel::data_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("check column centred") << 0 << 0 << int(Qt::TextAlignmentRole) << QVariant(kCentred);
    QTest::newRow("text column centred") << 2 << 11 << int(Qt::TextAlignmentRole) << QVariant(kCentred);
    QTest::newRow("black") << 1 << 5 << int(Qt::ForegroundRole) << QVariant(QColor(Qt::black));
    QTest::newRow("mark unchecked") << 0 << 0 << int(Qt::UserRole) << QVariant(false);
    QTest::newRow("mark checked") << 1 << 0 << int(Qt::UserRole) << QVariant(true);
    QTest::newRow("no mark outside the check column") << 1 << 1 << int(Qt::UserRole) << QVariant();
    QTest::newRow("check column shows no text") << 1 << 0 << int(Qt::DisplayRole) << QVariant(QString());
    QTest::newRow("no item check state") << 1 << 0 << int(Qt::CheckStateRole) << QVariant();
    QTest::newRow("no edit text") << 1 << 2 << int(Qt::EditRole) << QVariant();
    QTest::newRow("no tool tip") << 1 << 2 << int(Qt::ToolTipRole) << QVariant();
    for (int column = 1; column < 12; ++column) {
        QTest::addRow("text of column %d", column)
            << 2 << column << int(Qt::DisplayRole) << QVariant(QStringLiteral("r3f%1").arg(column));
    }
}

void TestTableModel::data()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    QCOMPARE(m_model->data(m_model->index(row, column), role), expected);
}

void TestTableModel::frequencyColumnsSwapped()
{
    RecordRow row;
    row.transmitFrequency = QStringLiteral("400100");
    row.receiveFrequency = QStringLiteral("410200");
    m_model->SetRows({row});

    QCOMPARE(m_model->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Receive Freq."));
    QCOMPARE(m_model->index(0, 10).data().toString(), QStringLiteral("400100"));
    QCOMPARE(m_model->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Transmit Freq."));
    QCOMPARE(m_model->index(0, 11).data().toString(), QStringLiteral("410200"));
}

void TestTableModel::headerData_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const QStringList texts{"",          "No.",      "File Name",      "Time",
                            "Duration",  "Talker ID", "Call ID",       "Radio ID",
                            "Recording Type", "Call Type", "Receive Freq.", "Transmit Freq.",
                            "File Path"};
    for (int section = 0; section < texts.size(); ++section) {
        QTest::addRow("section %d", section)
            << section << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(texts.at(section));
    }
    QTest::newRow("beyond the columns") << 13 << int(Qt::Horizontal) << int(Qt::DisplayRole)
                                        << QVariant(QString());
    QTest::newRow("centred") << 3 << int(Qt::Horizontal) << int(Qt::TextAlignmentRole)
                             << QVariant(kCentred);
    QTest::newRow("vertical centred") << 1 << int(Qt::Vertical) << int(Qt::TextAlignmentRole)
                                      << QVariant(kCentred);
    QTest::newRow("no vertical text") << 1 << int(Qt::Vertical) << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("no other role") << 1 << int(Qt::Horizontal) << int(Qt::ToolTipRole) << QVariant();
}

void TestTableModel::headerData()
{
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    QCOMPARE(m_model->headerData(section, Qt::Orientation(orientation), role), expected);
}

void TestTableModel::headerTextsTranslatedAsTableModel()
{
    ContextMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString number = m_model->headerData(1, Qt::Horizontal).toString();
    const QString filePath = m_model->headerData(12, Qt::Horizontal).toString();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(number, QStringLiteral("TableModel:No."));
    QCOMPARE(filePath, QStringLiteral("File Path"));
}

void TestTableModel::flags()
{
    QCOMPARE(int(m_model->flags(m_model->index(1, 0))), 33);
    QCOMPARE(int(m_model->flags(m_model->index(2, 11))), 33);
    QCOMPARE(m_model->flags(QModelIndex()), Qt::ItemFlags());
}

void TestTableModel::setData_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QVariantList>("checkSignals"); // values announced for row 2
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("fileName");

    const QString unchanged = QStringLiteral("r3f2");
    QTest::newRow("check through UserRole") << 0 << QVariant(true) << int(Qt::UserRole) << true
                                            << QVariantList{1} << true << unchanged;
    QTest::newRow("check through CheckStateRole")
        << 0 << QVariant(int(Qt::Checked)) << int(Qt::CheckStateRole) << true << QVariantList{1}
        << true << unchanged;
    QTest::newRow("check through DisplayRole") << 0 << QVariant(true) << int(Qt::DisplayRole) << true
                                               << QVariantList{1} << true << unchanged;
    QTest::newRow("uncheck announces 0") << 0 << QVariant(false) << int(Qt::UserRole) << true
                                         << QVariantList{0} << false << unchanged;
    QTest::newRow("no mark outside the check column")
        << 2 << QVariant(true) << int(Qt::UserRole) << false << QVariantList{} << false << unchanged;
    QTest::newRow("no check state outside the check column")
        << 2 << QVariant(int(Qt::Checked)) << int(Qt::CheckStateRole) << false << QVariantList{}
        << false << unchanged;
    QTest::newRow("text of a column") << 2 << QVariant("b.wav") << int(Qt::DisplayRole) << true
                                      << QVariantList{} << false << QStringLiteral("b.wav");
    QTest::newRow("no edit role") << 2 << QVariant("b.wav") << int(Qt::EditRole) << false
                                  << QVariantList{} << false << unchanged;
}

void TestTableModel::setData()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(int, role);
    QFETCH(bool, result);
    QFETCH(QVariantList, checkSignals);
    QFETCH(bool, marked);
    QFETCH(QString, fileName);

    const QModelIndex index = m_model->index(2, column);
    QSignalSpy checkSpy(m_model, &TableModel::CheckBoxChange_Signals);
    QSignalSpy changedSpy(m_model, &TableModel::dataChanged);

    QCOMPARE(m_model->setData(index, value, role), result);

    QVariantList announced;
    for (const QList<QVariant> &arguments : checkSpy) {
        QCOMPARE(arguments.at(0).toInt(), 2);
        announced.append(arguments.at(1));
    }
    QCOMPARE(announced, checkSignals);
    QCOMPARE(changedSpy.count(), result ? 1 : 0);
    if (result) {
        QCOMPARE(changedSpy.first().at(0).toModelIndex(), index);
        QCOMPARE(changedSpy.first().at(1).toModelIndex(), index);
    }
    QCOMPARE(m_model->index(2, 0).data(Qt::UserRole).toBool(), marked);
    QCOMPARE(m_model->index(2, 2).data().toString(), fileName);
}

void TestTableModel::checkSignalComesBeforeStoredMark()
{
    QStringList events;
    connect(m_model, &TableModel::CheckBoxChange_Signals, this, [&](int row, int value) {
        const bool stored = m_model->index(row, 0).data(Qt::UserRole).toBool();
        events.append(QStringLiteral("signal %1 %2, stored %3").arg(row).arg(value).arg(stored));
    });
    connect(m_model, &TableModel::dataChanged, this, [&](const QModelIndex &index) {
        const bool stored = index.data(Qt::UserRole).toBool();
        events.append(QStringLiteral("changed, stored %1").arg(stored));
    });

    m_model->setData(m_model->index(0, 0), true, Qt::UserRole);

    QCOMPARE(events, (QStringList{"signal 0 1, stored 0", "changed, stored 1"}));
}

void TestTableModel::setRowsAlwaysResets_data()
{
    QTest::addColumn<bool>("sameList");
    QTest::addColumn<int>("rows");

    QTest::newRow("other rows") << false << 1;
    QTest::newRow("the list already held") << true << 3;
}

void TestTableModel::setRowsAlwaysResets()
{
    QFETCH(bool, sameList);
    QFETCH(int, rows);

    const QList<RecordRow> held = ThreeRows();
    m_model->SetRows(held);
    QSignalSpy aboutSpy(m_model, &TableModel::modelAboutToBeReset);
    QSignalSpy resetSpy(m_model, &TableModel::modelReset);

    m_model->SetRows(sameList ? held : QList<RecordRow>{Row(9, true)});

    QCOMPARE(aboutSpy.count(), 1);
    QCOMPARE(resetSpy.count(), 1);
    QCOMPARE(m_model->rowCount(), rows);
}

QTEST_GUILESS_MAIN(TestTableModel)
#include "tst_tablemodel.moc"
