#include "app/appresources.h"
#include "app/endsignals.h"
#include "app/mainwindow.h"
#include "ui/proxystyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    RegisterResources();
    EndOnTerminationSignals(&application);
    QApplication::setStyle(new ProxyStyle(nullptr));
    MainWindow window;
    window.show();
    return application.exec();
}
