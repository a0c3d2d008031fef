#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// RFC 4180: a field holding a comma, a double quote, CR or LF is enclosed in
// double quotes with its inner quotes doubled; any other is kept as it is.
QString CsvField(const QString &text);
// The fields joined by commas, ended by CRLF.
QString CsvLine(const QStringList &fields);

// Reading, as RFC 4180 has it: a field in double quotes may hold separators,
// line ends and "" for a quote, and only a separator or a line end may follow
// its closing quote; a quote inside a field that does not start with one is
// kept. Records end at LF or CRLF; lines are counted by LF, within quotes too.

// A CSV text split into records, each with the number of the line it starts
// on; or the line and reason of the fault that stopped it (texts translated
// in the context "MainWindow").
struct CsvRecord
{
    int line = 0;
    QStringList fields;
};

struct CsvParse
{
    QList<CsvRecord> records;
    int faultLine = 0;
    QString fault;
};

// The separator that the text's first line (its header) uses.
QChar HeaderSeparator(const QString &text);
CsvParse ParseCsv(const QString &text, QChar separator);
