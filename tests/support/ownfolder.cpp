#include "tests/support/ownfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const char kInOwnFolder[] = "OVELIA_TEST_IN_OWN_FOLDER";
// Below CTest's limit of 300 s, so that the copy never outlives the test.
constexpr int kRunLimitMs = 280000;

// Runs program with this program's arguments and output: its exit status, or
// 1 when it did not start, crashed or ran out of time.
int RunCopy(const QString &program)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kInOwnFolder), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(program, QCoreApplication::arguments().mid(1));
    if (process.waitForFinished(kRunLimitMs) && process.exitStatus() == QProcess::NormalExit)
        return process.exitCode();
    qWarning("The test's copy \"%s\" did not start, crashed or ran out of time",
             qPrintable(program));
    process.kill();
    process.waitForFinished(5000);
    return 1;
}

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
    *status = RunCopy(CopyProgramInto(folder.path(), true));
    return true;
}
