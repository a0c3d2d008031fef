#include "app/languages.h"

#include "import/recordingopen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

const char *const kSettingsGroup = "Setting";
const char *const kLanguageKey = "LanguageID";

// QSettings reads and writes INI text only through a file's name. It is
// given a private copy of Settings.ini, so that it never opens that file
// itself: Settings.ini is opened only without blocking, and read only when
// the opened handle is a regular file.
bool CopySettingsInto(const QString &settingsPath, const QString &copyPath)
{
    QFile settings;
    if (!OpenRecordingFile(settings, settingsPath))
        return false;
    QFile copy(copyPath);
    return copy.open(QIODevice::WriteOnly) && copy.write(settings.readAll()) >= 0 && copy.flush();
}

QString LanguageKey()
{
    return QLatin1String(kSettingsGroup) + QLatin1Char('/') + QLatin1String(kLanguageKey);
}

} // namespace

bool ListLanguageFiles(const QString &folder, QStringList &paths)
{
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        return false;
    paths = QDir(folder).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    if (paths.isEmpty())
        return false;
    for (QString &name : paths)
        name = folder + QLatin1Char('/') + name;
    return true;
}

QString CatalogLanguageName(const QString &path, QString &identifier)
{
    QTranslator translator;
    translator.load(path);
    identifier = translator.translate("MainWindow", "LanguageID");
    return translator.translate("MainWindow", "LanguageName");
}

int ChooseLanguage(const QList<LanguageCatalog> &catalogs, QString &identifier)
{
    int fallback = -1;
    for (int i = 0; i < catalogs.size(); ++i) {
        const LanguageCatalog &catalog = catalogs.at(i);
        if (!catalog.IsUsable())
            continue;
        if (identifier.isEmpty() || identifier == catalog.identifier) {
            identifier = catalog.identifier;
            return i;
        }
        if (fallback < 0)
            fallback = i;
    }
    if (fallback >= 0)
        identifier = catalogs.at(fallback).identifier;
    return fallback;
}

void ReadLanguageID(const QString &settingsPath, QString &identifier)
{
    const QTemporaryDir scratch;
    const QString copyPath = scratch.filePath(QStringLiteral("Settings.ini"));
    if (scratch.isValid() && CopySettingsInto(settingsPath, copyPath))
        identifier = QSettings(copyPath, QSettings::IniFormat).value(LanguageKey()).toString();
}

// Only a regular file is rewritten, and it is replaced as a whole; a link is
// not written through.
void WriteLanguageID(const QString &settingsPath, const QString &identifier)
{
    const QFileInfo entry(settingsPath);
    const QTemporaryDir scratch;
    const QString copyPath = scratch.filePath(QStringLiteral("Settings.ini"));
    if (entry.isSymLink() || !scratch.isValid()
        || (entry.exists() && !CopySettingsInto(settingsPath, copyPath))
        || !QDir().mkpath(entry.path()))
        return;
    QSettings settings(copyPath, QSettings::IniFormat);
    settings.setValue(LanguageKey(), identifier);
    settings.sync();
    QFile copy(copyPath);
    QSaveFile saved(settingsPath);
    if (settings.status() == QSettings::NoError && copy.open(QIODevice::ReadOnly)
        && saved.open(QIODevice::WriteOnly) && saved.write(copy.readAll()) >= 0)
        saved.commit();
}

QLocale LanguageLocale(const QString &identifier)
{
    if (identifier == QLatin1String("0804"))
        return QLocale(QLocale::Chinese, QLocale::China);
    if (identifier == QLatin1String("0409"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale::system();
}
