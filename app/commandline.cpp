#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

QStringList ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Lists, plays and manages call recordings from two-way radio equipment."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("path"),
        QCoreApplication::translate("main", "A folder or a recording to import at start."),
        QStringLiteral("[path...]"));
    parser.process(arguments);
    QStringList paths;
    for (const QString &path : parser.positionalArguments())
        paths << QDir::cleanPath(QDir::current().absoluteFilePath(path));
    return paths;
}
