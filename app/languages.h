#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The catalogs and the choice among them.

// The "*.qm" files of the folder, files only, in case-sensitive name order, as
// full paths. False when the folder is missing or holds none.
bool ListLanguageFiles(const QString &folder, QStringList &paths);

// The language name a catalog gives itself; identifier receives its language ID.
// Both are empty for a file that cannot be loaded.
QString CatalogLanguageName(const QString &path, QString &identifier);

struct LanguageCatalog
{
    QString path;
    QString name;
    QString identifier;

    bool IsUsable() const { return !name.isEmpty() && !identifier.isEmpty(); }
};

// The index of the catalog to install for the stored identifier, or -1 when
// none is usable. An empty identifier takes the first usable catalog; an
// identifier that matches none falls back to it. The identifier becomes the
// chosen catalog's.
int ChooseLanguage(const QList<LanguageCatalog> &catalogs, QString &identifier);

// The "LanguageID" of group "Setting" of Settings.ini, read and written only
// when the file is a regular one (or, for writing, absent) and never waiting
// on what lies there; identifier is left alone when there is nothing to read.
// A file that cannot be written is left as it is.
void ReadLanguageID(const QString &settingsPath, QString &identifier);
void WriteLanguageID(const QString &settingsPath, const QString &identifier);

// The locale of a catalog's language identifier, for the names of days and
// months and the first day of the week: "0804" Chinese of China, "0409"
// English of the United States, the system's for any other.
QLocale LanguageLocale(const QString &identifier);
