#include "records/idaliases.h"

#include "import/recordingopen.h"

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

// Splits a CSV text into records, one character at a time.
class CsvReader
{
public:
    CsvReader(const QString &text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    {
    }

    CsvParse Read()
    {
        for (m_at = 0; m_at < m_text.size() && m_parse.fault.isEmpty(); ++m_at) {
            if (m_inQuotes)
                ReadQuoted();
            else
                ReadPlain();
        }
        if (m_inQuotes)
            Fault(m_quoteLine, QCoreApplication::translate("MainWindow", "a quote is not closed"));
        else if (!m_field.isEmpty() || m_fieldWasQuoted || !m_record.fields.isEmpty())
            EndRecord();
        return m_parse;
    }

private:
    QChar At(int at) const { return at < m_text.size() ? m_text.at(at) : QChar(); }
    bool IsCrLf(int at) const
    {
        return At(at) == QLatin1Char('\r') && At(at + 1) == QLatin1Char('\n');
    }

    // "" stands for a quote; a quote alone ends the quoted part.
    void ReadQuoted()
    {
        const QChar c = At(m_at);
        m_line += c == QLatin1Char('\n');
        if (c != QLatin1Char('"'))
            m_field += c;
        else if (At(m_at + 1) == QLatin1Char('"'))
            m_field += At(++m_at);
        else
            m_inQuotes = false;
    }

    // A quote opens a quoted part only at a field's start; any other stays.
    void ReadPlain()
    {
        const QChar c = At(m_at);
        if (c == QLatin1Char('"') && m_field.isEmpty() && !m_fieldWasQuoted) {
            m_inQuotes = m_fieldWasQuoted = true;
            m_quoteLine = m_line;
        } else if (c == m_separator) {
            EndField();
        } else if (c == QLatin1Char('\n') || IsCrLf(m_at)) {
            m_at += IsCrLf(m_at);
            EndRecord();
            m_record.line = ++m_line;
        } else if (m_fieldWasQuoted) {
            Fault(m_line, QCoreApplication::translate("MainWindow", "text after a closing quote"));
        } else {
            m_field += c;
        }
    }

    void EndField()
    {
        m_record.fields.append(m_field);
        m_field.clear();
        m_fieldWasQuoted = false;
    }

    void EndRecord()
    {
        EndField();
        m_parse.records.append(m_record);
        m_record.fields.clear();
    }

    void Fault(int line, const QString &fault)
    {
        m_parse.faultLine = line;
        m_parse.fault = fault;
    }

    const QString &m_text;
    const QChar m_separator;
    CsvParse m_parse;
    CsvRecord m_record{1, {}};
    QString m_field;
    int m_at = 0;
    int m_line = 1;
    int m_quoteLine = 0;
    bool m_inQuotes = false;
    bool m_fieldWasQuoted = false;
};

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

QChar HeaderSeparator(const QString &text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('\n'))
            break;
        else if (!quoted) {
            commas += c == QLatin1Char(',');
            semicolons += c == QLatin1Char(';');
        }
    }
    return QLatin1Char(semicolons > commas ? ';' : ',');
}

CsvParse ParseCsv(const QString &text, QChar separator)
{
    return CsvReader(text, separator).Read();
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
