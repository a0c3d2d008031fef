#include "app/appresources.h"
#include "app/commandline.h"
#include "app/endsignals.h"
#include "app/mainwindow.h"
#include "app/version.h"
#include "player/pitchkeepingsink.h"
#include "ui/proxystyle.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramVersion());
    const QStringList paths = ParseCommandLine(QCoreApplication::arguments());
    RegisterResources();
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
