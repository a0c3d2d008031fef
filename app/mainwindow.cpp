#include "app/mainwindow.h"

#include "ui/msgtipwidthsinglebtn.h"
#include "ui/windowbackground.h"
#include "ui_mainwindow.h"

#include <QMouseEvent>
#include <cstdlib>

namespace {
const Qt::WindowFlags kMainWindowFlags = Qt::Window | Qt::FramelessWindowHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    if (!ScanLanguageFiles(m_languageFiles))
        EndStartup(QStringLiteral("The components were destoryed, please re-install!"), -1);
    if (!m_dbProcess.InitDatabase())
        EndStartup(QStringLiteral("The program ran abnormally, please run again!"), -2);
    LanguageIDConfig(m_languageID, true);
    if (!LoadLanguage(m_languageID))
        EndStartup(QStringLiteral("There were no valid language files, please re-install!"), -3);

    ui->setupUi(this);
    setWindowFlags(kMainWindowFlags);
    PaintBackground();

    m_currentTimeText = QStringLiteral("00:00:00");
    m_totalTimeText = QStringLiteral("00:00:00");
    m_tipDlg.ReloadLanguage();
}

MainWindow::~MainWindow()
{
    m_dbProcess.CloseDatabase();
    delete ui;
}

// A failed start-up check ends the process before the window is shown. The
// working database, if it was already created, goes with it.
void MainWindow::EndStartup(const QString &message, int status)
{
    MsgTipWidthSingleBtn::ShowTip(QStringLiteral("Error"), message, QStringLiteral("Cancel"),
                                  nullptr);
    m_dbProcess.CloseDatabase();
    std::exit(status);
}

void MainWindow::PaintBackground()
{
    PaintWindowBackground(ui->MainWndBkWidget, QStringLiteral(":/PicRes/BK_MainWnd.png"));
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    m_drag.Press(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.Move(this, event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.Release(event);
}

void MainWindow::on_pbtn_Min_clicked()
{
    showMinimized();
}

void MainWindow::on_pbtn_Close_clicked()
{
    close();
}
