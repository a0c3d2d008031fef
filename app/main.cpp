#include "app/appresources.h"
#include "app/endsignals.h"
#include "app/mainwindow.h"
#include "ui/proxystyle.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    RegisterResources();
    QApplication::setWindowIcon(ApplicationIcon());
    EndOnTerminationSignals(&application);
    QApplication::setStyle(new ProxyStyle(nullptr));
    MainWindow window;
    window.show();
    return application.exec();
}
