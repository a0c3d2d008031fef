#include "store/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char kCatalogFolderName[] = "/LanguageConfig";
const char kUserFolderName[] = "/ovelia";

QString UserFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location) + QLatin1String(kUserFolderName);
}

bool ProgramKeepsFilesBeside()
{
    return KeepsFilesBeside(QCoreApplication::applicationDirPath());
}

QString ConfigFolder()
{
    return ProgramKeepsFilesBeside() ? QCoreApplication::applicationDirPath()
                                     : UserFolder(QStandardPaths::GenericConfigLocation);
}

} // namespace

bool KeepsFilesBeside(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    return folder.isDir() && folder.isWritable()
           && QFileInfo(programFolder + QLatin1String(kCatalogFolderName)).isDir();
}

QString UserCacheFolder()
{
    return UserFolder(QStandardPaths::GenericCacheLocation);
}

QString SettingsFilePath()
{
    return ConfigFolder() + QStringLiteral("/Settings.ini");
}

QString AliasListPath()
{
    return ConfigFolder() + QStringLiteral("/aliases.csv");
}

QString LanguageFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + QLatin1String(kCatalogFolderName);
    return QFileInfo(beside).isDir() ? beside : InstalledLanguageFolder(programFolder);
}

QString InstalledLanguageFolder(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QLatin1Char('/')
                           + QStringLiteral(OVELIA_INSTALLED_CATALOGS));
}
