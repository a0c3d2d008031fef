#include "tests/support/ownfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const char kInOwnFolder[] = "OVELIA_TEST_IN_OWN_FOLDER";

} // namespace

QString CopyProgramInto(const QString &folder, bool withCatalogs)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString copy = folder + QLatin1Char('/') + QFileInfo(program).fileName();
    if (!QFile::copy(program, copy))
        return QString();
    if (!withCatalogs)
        return copy;
    const QDir catalogs(QCoreApplication::applicationDirPath() + QStringLiteral("/LanguageConfig"));
    const QString target = folder + QStringLiteral("/LanguageConfig/");
    if (!QDir().mkpath(target))
        return QString();
    for (const QString &name : catalogs.entryList({QStringLiteral("*.qm")}, QDir::Files)) {
        if (!QFile::copy(catalogs.filePath(name), target + name))
            return QString();
    }
    return copy;
}

bool RanInOwnFolder(int argc, char *argv[], int *status)
{
    if (qEnvironmentVariableIsSet(kInOwnFolder))
        return false;
    const QCoreApplication application(argc, argv);
    const QTemporaryDir folder;
    const QString copy = CopyProgramInto(folder.path(), true);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kInOwnFolder), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(copy, QCoreApplication::arguments().mid(1));
    if (copy.isEmpty() || !process.waitForFinished(-1)
        || process.exitStatus() != QProcess::NormalExit) {
        qWarning("The test did not run or end in %s", qPrintable(folder.path()));
        *status = 1;
    } else {
        *status = process.exitCode();
    }
    return true;
}
