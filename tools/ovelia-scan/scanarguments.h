#pragma once

#include "tools/ovelia-scan/scanreport.h"

#include <QString>
#include <QStringList>

// What the command line asks for.
struct ScanOptions
{
    bool help = false;
    bool version = false;
    ReportFormat format = ReportFormat::Csv;
    // The list of ID names to report beside the IDs; empty for none.
    QString aliasListPath;
    QStringList paths;
    // Why the arguments are not usable, in one line; empty when they are.
    QString error;
};

// arguments as QCoreApplication::arguments() gives them, the program first.
ScanOptions ParseScanArguments(const QStringList &arguments);
QString ScanUsage();
// "ovelia-scan" and the version of the build, a line.
QString ScanVersion();
// The names of the list at path; the error when it cannot be read or is
// refused.
QString ReadScanAliases(const QString &path, IdAliases &aliases);
// The error for the first path that names no file or folder, names
// something else (a FIFO, a device), or a folder that cannot be read; empty
// when every path can be scanned.
QString UnusablePathError(const QStringList &paths);
