#pragma once

#include <QString>
#include <QStringList>

// RFC 4180: a field holding a comma, a double quote, CR or LF is enclosed in
// double quotes with its inner quotes doubled; any other is kept as it is.
QString CsvField(const QString &text);
// The fields joined by commas, ended by CRLF.
QString CsvLine(const QStringList &fields);
