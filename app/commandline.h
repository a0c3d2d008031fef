#pragma once

#include <QStringList>

// The program's own options, in arguments (the program's name first):
// --help and --version print their text and end the program; an unknown
// option is said and ends it with status 1. The paths given (folders or
// recordings to import at start), made absolute.
QStringList ParseCommandLine(const QStringList &arguments);

// True when the arguments ask for the help or the version, which a terminal
// without a display can answer.
bool AsksOnlyForText(const QStringList &arguments);
