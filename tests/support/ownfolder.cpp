#include "tests/support/ownfolder.h"

namespace {

const char kInOwnFolder[] = "OVELIA_TEST_IN_OWN_FOLDER";
// Below CTest's limit of 300 s, so that the copy never outlives the test.
constexpr int kRunLimitMs = 280000;

} // namespace

QString CopyProgramInto(const QString &folder, bool withCatalogs)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString copy = folder + QLatin1Char('/') + QFileInfo(program).fileName();
    const QDir catalogs(QCoreApplication::applicationDirPath() + QStringLiteral("/LanguageConfig"));
    const QString target = folder + QStringLiteral("/LanguageConfig/");
    if (!QFile::copy(program, copy) || (withCatalogs && !QDir().mkpath(target)))
        return QString();
    for (const QString &name : catalogs.entryList({QStringLiteral("*.qm")}, QDir::Files))
        if (withCatalogs && !QFile::copy(catalogs.filePath(name), target + name))
            return QString();
    return copy;
}

// The copy's exit status, or 1 when it did not start, crashed or ran out of time.
bool RanInOwnFolder(int argc, char *argv[], int *status)
{
    if (qEnvironmentVariableIsSet(kInOwnFolder))
        return false;
    const QCoreApplication application(argc, argv);
    const QTemporaryDir folder;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kInOwnFolder), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(CopyProgramInto(folder.path(), true), QCoreApplication::arguments().mid(1));
    const bool ended = process.waitForFinished(kRunLimitMs) && process.exitStatus() == QProcess::NormalExit;
    *status = ended ? process.exitCode() : 1;
    if (!ended) {
        qWarning("The test's copy did not start, crashed or ran out of time");
        process.kill();
        process.waitForFinished(kWaitMs);
    }
    return true;
}
