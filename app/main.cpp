#include "app/appresources.h"
#include "app/commandline.h"
#include "app/endsignals.h"
#include "app/mainwindow.h"
#include "app/version.h"
#include "player/pitchkeepingsink.h"
#include "ui/proxystyle.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

namespace {

// Every size drawn of the application's icon: the window system picks one.
QIcon ApplicationIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/hicolor"));
    for (const QString &size : sizes.entryList(QDir::Dirs))
        icon.addFile(sizes.filePath(size + QStringLiteral("/apps/ovelia.png")));
    return icon;
}

// The help and the version need no display: a plain application answers.
void AnswerTextOptions(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!AsksOnlyForText(arguments))
        return;
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramVersion());
    ParseCommandLine(arguments);
}

} // namespace

int main(int argc, char *argv[])
{
    AnswerTextOptions(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramVersion());
    const QStringList paths = ParseCommandLine(QCoreApplication::arguments());
    RegisterResources();
    QApplication::setWindowIcon(ApplicationIcon());
    KeepPitchAtAnyRate();
    EndOnTerminationSignals(&application);
    QApplication::setStyle(new ProxyStyle(nullptr));
    MainWindow window;
    window.show();
    QTimer::singleShot(0, &window, [&window, paths] {
        for (const QString &path : paths)
            window.ImportRecordingPath(path, QFileInfo(path).isDir());
    });
    return application.exec();
}
