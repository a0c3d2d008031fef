#pragma once

#include <QString>

// Where the program keeps its files. A copy that carries its catalogs beside
// its executable and may write there (a portable copy, the build folder)
// keeps everything together, beside the executable. Otherwise (an installed
// program) it writes only to the user's own folders: the working database to
// the cache folder, Settings.ini and the kept list of ID names to the config
// folder; its catalogs are read from the installed share folder.

// True for a program folder that holds a "LanguageConfig" folder and can be
// written.
bool KeepsFilesBeside(const QString &programFolder);

// The user's cache folder of the program, named, not made.
QString UserCacheFolder();

// For the running program: the paths of its Settings.ini and of its copy of
// the ID names list (aliases.csv, beside Settings.ini), and the folder of its
// catalogs. The user's folders are named, not made.
QString SettingsFilePath();
QString AliasListPath();
QString LanguageFolder();

// The catalogs of an installed program, relative to its executable's folder.
QString InstalledLanguageFolder(const QString &programFolder);
