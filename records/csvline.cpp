#include "records/csvline.h"

#include <QCoreApplication>

namespace {

bool NeedsCsvQuotes(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n'))
            return true;
    }
    return false;
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

QString CsvField(const QString &text)
{
    if (!NeedsCsvQuotes(text))
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString CsvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(CsvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
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
