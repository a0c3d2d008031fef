#include "app/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>

namespace {
const char *const kSettingsGroup = "Setting";
const char *const kLanguageKey = "LanguageID";
}

QString LanguageFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/LanguageConfig");
}

QString SettingsFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Settings.ini");
}

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
    const QFileInfo info(settingsPath);
    if (!info.exists() || !info.isFile())
        return;
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kSettingsGroup));
    identifier = settings.value(QLatin1String(kLanguageKey)).toString();
}

void WriteLanguageID(const QString &settingsPath, const QString &identifier)
{
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kSettingsGroup));
    settings.setValue(QLatin1String(kLanguageKey), identifier);
    settings.endGroup();
}
