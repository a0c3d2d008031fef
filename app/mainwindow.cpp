#include "app/mainwindow.h"

#include "import/operathread.h"
#include "records/checkboxdelegate.h"
#include "records/tablemodel.h"
#include "ui/applicationlook.h"
#include "ui/focusedkeys.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/titlestripdrag.h"
#include "ui/windowbackground.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <cstdlib>

namespace {
constexpr qint64 kSkipMs = 5000;
const Qt::WindowFlags kMainWindowFlags = Qt::Window | Qt::FramelessWindowHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ApplyApplicationLook();
    if (!ScanLanguageFiles(m_languageFiles))
        EndStartup(QStringLiteral("The components were destoryed, please re-install!"), -1);
    if (!m_dbProcess.InitDatabase())
        EndStartup(QStringLiteral("The program ran abnormally, please run again!"), -2);
    LanguageIDConfig(m_languageID, true);
    if (!LoadLanguage(m_languageID))
        EndStartup(QStringLiteral("There were no valid language files, please re-install!"), -3);

    ui->setupUi(this);
    setWindowFlags(kMainWindowFlags);
    new TitleStripDrag(this, kTitleBandHeight);
    PaintBackground();
    InitSettingMenu();
    InitSearchWidgets();
    InitTreeAndThread();
    InitTableView();
    ReadKeptAliasList();
    InitPlayer();
    InitStyle();
    ShowCalendarLanguage();
    ShowWindowButtonToolTips();
    InitShortcuts();
    m_tipDlg.ReloadLanguage();
    UpdatePageInfo();
}

// Keys for the buttons a dispatcher presses most; each does what its button
// does, so what the button refuses while a recording plays, the key refuses.
// The arrows skip back and forward, the brackets step the playback speed.
// A focused slider, edit, combo box, button or tree keeps its own keys.
void MainWindow::InitShortcuts()
{
    installEventFilter(new FocusedWidgetKeys(this));
    const auto bind = [this](const QKeySequence &keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    bind(Qt::Key_Space, &MainWindow::on_pbtn_PlayorPause_clicked);
    bind(Qt::Key_Delete, &MainWindow::on_pbtn_Del_clicked);
    bind(Qt::Key_PageUp, &MainWindow::on_pbtn_PrePage_clicked);
    bind(Qt::Key_PageDown, &MainWindow::on_pbtn_NextPage_clicked);
    bind(Qt::Key_F5, &MainWindow::RefreshCurrentItem);
    bind(Qt::Key_Left, [this] { SkipBy(-kSkipMs); });
    bind(Qt::Key_Right, [this] { SkipBy(kSkipMs); });
    bind(Qt::Key_BracketLeft, [this] { StepPlaybackRate(-1); });
    bind(Qt::Key_BracketRight, [this] { StepPlaybackRate(1); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        ui->ledt_KeyWord->setFocus(Qt::ShortcutFocusReason);
        ui->ledt_KeyWord->selectAll();
    });
    for (QLineEdit *field : {ui->ledt_ID, ui->ledt_KeyWord})
        connect(field, &QLineEdit::returnPressed, this, &MainWindow::on_pbtn_Search_clicked);
}

// The worker is stopped before the working database it writes to goes away.
MainWindow::~MainWindow()
{
    delete m_worker;
    qDebug("exit thread");
    m_dbProcess.CloseDatabase();
    delete ui;
    delete m_treeMenu;
    delete m_rowMenu;
    delete m_checkBoxDelegate;
    delete m_tableModel;
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

void MainWindow::ShowWindowButtonToolTips()
{
    ui->pbtn_Min->setToolTip(tr("Minimize"));
    ui->pbtn_Close->setToolTip(tr("Close"));
}

void MainWindow::on_pbtn_Min_clicked()
{
    showMinimized();
}

void MainWindow::on_pbtn_Close_clicked()
{
    close();
}
