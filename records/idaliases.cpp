#include "records/idaliases.h"

#include "import/recordingopen.h"
#include "records/csvline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

// Far beyond any fleet's list; a file chosen by mistake is not read whole.
constexpr qint64 kLargestList = 16 * 1024 * 1024;

quint64 Key(quint32 id, AliasKind kind)
{
    return quint64(id) << 2 | quint64(kind);
}

AliasListRead Refused(int line, const QString &fault)
{
    AliasListRead read;
    read.faultLine = line;
    read.fault = fault;
    return read;
}

// The first line (from 1) holding bytes that are not UTF-8, 0 when none. A
// line end is never part of a UTF-8 sequence, so the lines decode one by one.
int FirstLineNotUtf8(const QByteArray &bytes)
{
    const QTextCodec *codec = QTextCodec::codecForName("UTF-8");
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        codec->toUnicode(lines.at(i).constData(), lines.at(i).size(), &state);
        if (state.invalidChars > 0 || state.remainingChars > 0)
            return i + 1;
    }
    return 0;
}

struct AliasColumns
{
    int id = -1;
    int name = -1;
    int kind = -1;
};

AliasColumns FindColumns(const QStringList &header)
{
    QStringList names;
    for (const QString &name : header)
        names.append(name.trimmed().toLower());
    AliasColumns columns{names.indexOf(QStringLiteral("id")), names.indexOf(QStringLiteral("name")),
                         names.indexOf(QStringLiteral("kind"))};
    if (names.size() == 2 && columns.kind < 0) {
        if (columns.id < 0)
            columns.id = columns.name == 0 ? 1 : 0;
        if (columns.name < 0)
            columns.name = 1 - columns.id;
    }
    return columns;
}

bool IsBlank(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString &field) { return field.trimmed().isEmpty(); });
}

bool ParseId(const QString &text, quint32 *id)
{
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool isNumber = false;
    *id = text.toUInt(&isNumber, 10);
    return digitsOnly && isNumber;
}

bool ParseKind(const QString &text, AliasKind *kind)
{
    const QString word = text.toLower();
    *kind = word == QLatin1String("radio")   ? AliasKind::Radio
            : word == QLatin1String("group") ? AliasKind::Group
                                             : AliasKind::Any;
    return *kind != AliasKind::Any || word.isEmpty();
}

struct AliasRow
{
    quint32 id = 0;
    AliasKind kind = AliasKind::Any;
    QString name;
};

// The fault of a row of as many fields as the header, empty when none.
QString ParseRow(const QStringList &fields, const AliasColumns &columns, AliasRow *row)
{
    const QString idText = fields.at(columns.id).trimmed();
    const QString kindText = columns.kind < 0 ? QString() : fields.at(columns.kind).trimmed();
    row->name = fields.at(columns.name).trimmed();
    if (!ParseId(idText, &row->id))
        return QCoreApplication::translate("MainWindow", "\"%1\" is not an ID (0 to %2)")
            .arg(idText)
            .arg(std::numeric_limits<quint32>::max());
    if (row->name.isEmpty())
        return QCoreApplication::translate("MainWindow", "the name is empty");
    if (!ParseKind(kindText, &row->kind))
        return QCoreApplication::translate("MainWindow", "kind \"%1\" is not radio or group")
            .arg(kindText);
    return QString();
}

// The names of the records after the header, or the fault of the first
// faulty one.
AliasListRead ReadNames(const QList<CsvRecord> &records, const AliasColumns &columns)
{
    AliasListRead read;
    const int fieldCount = records.first().fields.size();
    QHash<quint64, int> namedOnLine;
    for (const CsvRecord &record : records.mid(1)) {
        AliasRow row;
        if (record.fields.size() != fieldCount)
            return Refused(record.line, QCoreApplication::translate(
                                            "MainWindow", "the header has %2 fields, this row %1")
                                            .arg(record.fields.size())
                                            .arg(fieldCount));
        const QString fault = ParseRow(record.fields, columns, &row);
        if (!fault.isEmpty())
            return Refused(record.line, fault);
        const quint64 key = Key(row.id, row.kind);
        if (!read.aliases.Add(row.id, row.kind, row.name))
            return Refused(record.line,
                           QCoreApplication::translate("MainWindow",
                                                       "ID %1 of this kind is named on line %2 too")
                               .arg(row.id)
                               .arg(namedOnLine.value(key)));
        namedOnLine.insert(key, record.line);
    }
    return read;
}

} // namespace

bool IdAliases::Add(quint32 id, AliasKind kind, const QString &name)
{
    QString &named = m_names[id][int(kind)];
    if (!named.isEmpty())
        return false;
    named = name;
    return true;
}

QString IdAliases::NameOf(quint32 id, AliasKind kind) const
{
    const auto found = m_names.constFind(id);
    if (found == m_names.cend())
        return QString();
    const QString &named = found->at(int(kind));
    return named.isEmpty() ? found->at(int(AliasKind::Any)) : named;
}

AliasListRead ParseAliasList(const QByteArray &bytes)
{
    if (const int line = FirstLineNotUtf8(bytes))
        return Refused(line, QCoreApplication::translate("MainWindow", "not UTF-8 text"));
    // fromUtf8 drops a leading byte-order mark.
    const QString text = QString::fromUtf8(bytes);
    CsvParse csv = ParseCsv(text, HeaderSeparator(text));
    if (!csv.fault.isEmpty())
        return Refused(csv.faultLine, csv.fault);
    const auto blank = [](const CsvRecord &record) { return IsBlank(record.fields); };
    csv.records.erase(std::remove_if(csv.records.begin(), csv.records.end(), blank),
                      csv.records.end());
    if (csv.records.isEmpty())
        return Refused(1, QCoreApplication::translate("MainWindow", "no header row"));
    const AliasColumns columns = FindColumns(csv.records.first().fields);
    const int headerLine = csv.records.first().line;
    if (columns.id < 0)
        return Refused(headerLine, QCoreApplication::translate("MainWindow", "no \"id\" column"));
    if (columns.name < 0)
        return Refused(headerLine, QCoreApplication::translate("MainWindow", "no \"name\" column"));
    AliasListRead read = ReadNames(csv.records, columns);
    if (read.IsRead())
        read.bytes = bytes;
    return read;
}

AliasListRead ReadAliasList(const QString &path)
{
    QFile file;
    errno = 0;
    if (!OpenRecordingFile(file, path))
        return Refused(0, errno != 0
                              ? qt_error_string(errno)
                              : QCoreApplication::translate("MainWindow", "not a regular file"));
    const QByteArray bytes = file.read(kLargestList + 1);
    if (file.error() != QFileDevice::NoError)
        return Refused(0, file.errorString());
    if (bytes.size() > kLargestList)
        return Refused(0, QCoreApplication::translate("MainWindow", "larger than 16 MiB"));
    return ParseAliasList(bytes);
}

QString AliasListFault(const AliasListRead &read)
{
    if (read.faultLine == 0)
        return read.fault;
    return QCoreApplication::translate("MainWindow", "line %1: %2")
        .arg(read.faultLine)
        .arg(read.fault);
}

QString KeepAliasList(const QByteArray &bytes, const QString &path)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("MainWindow", "cannot make the folder %1").arg(folder);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    return file.errorString();
}

QString NamedIdText(const QString &idText, const QString &name)
{
    return name.isEmpty() ? idText : QStringLiteral("%1 (%2)").arg(name, idText);
}
