// Shows the main window on the current display and saves a picture of it:
//   screenshot <output.png>
// Run it under Xvfb through tools/screenshot.sh.

#include "app/appresources.h"
#include "app/mainwindow.h"
#include "ui/proxystyle.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const QString output = QString::fromLocal8Bit(argv[1]);
    RegisterResources();
    QApplication::setStyle(new ProxyStyle(nullptr));
    MainWindow window;
    window.move(0, 0);
    window.show();
    bool saved = false;
    QTimer::singleShot(1500, &window, [&] {
        const QPixmap shot = window.screen()->grabWindow(0, 0, 0, window.width(), window.height());
        saved = shot.save(output);
        window.close();
    });
    application.exec();
    return saved ? 0 : 1;
}
