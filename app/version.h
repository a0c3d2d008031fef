#pragma once

#include <QString>

// The version as the About box shows it after the product's name: " V"
// followed by the major number, then the minor and patch numbers in two
// digits and the build number in three, for example " V1.00.02.001" for
// "1.0.2.1". Missing numbers count as 0.
QString VersionSuffix(const QString &dottedVersion);

// The program's version, from the build: "1.0.2.1".
QString ProgramVersion();
