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

bool AsksOnlyForText(const QStringList &arguments)
{
    static const QStringList textOptions{QStringLiteral("-h"), QStringLiteral("--help"),
                                         QStringLiteral("--help-all"), QStringLiteral("-v"),
                                         QStringLiteral("--version")};
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (textOptions.contains(argument))
            return true;
    }
    return false;
}
