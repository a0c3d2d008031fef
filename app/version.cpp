#include "app/version.h"

#include <QStringList>

QString ProgramVersion()
{
    return QStringLiteral(OVELIA_VERSION);
}

QString VersionSuffix(const QString &dottedVersion)
{
    const QStringList numbers = dottedVersion.split(QLatin1Char('.'));
    const auto number = [&numbers](int index, int digits) {
        return QStringLiteral("%1").arg(numbers.value(index).toInt(), digits, 10, QLatin1Char('0'));
    };
    return QStringLiteral(" V%1.%2.%3.%4").arg(number(0, 1), number(1, 2), number(2, 2), number(3, 3));
}
