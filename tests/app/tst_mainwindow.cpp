#include "app/appresources.h"
#include "app/mainwindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList DatabaseFiles()
{
    const QRegularExpression fifteenDigits(QStringLiteral("^\\d{15}$"));
    return QDir(QCoreApplication::applicationDirPath()).entryList(QDir::Files).filter(fifteenDigits);
}

void SendMouse(QWidget *window, QEvent::Type type, QPointF local, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, local, window->mapToGlobal(local.toPoint()), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void isFixedFramelessWindow();
    void widgetGeometry_data();
    void widgetGeometry();
    void stackingOrder();
    void formProperties();
    void textsAfterRetranslation_data();
    void textsAfterRetranslation();
    void paintsBackground();
    void keepsWorkingDatabaseWhileOpen();
    void dragsOnlyFromTitleBand_data();
    void dragsOnlyFromTitleBand();
    void dragContinuesOutsideBandUntilRelease();
    void minimiseAndClose();

private:
    MainWindow *m_window = nullptr;
    QStringList m_filesBefore;
};

void TestMainWindow::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
}

void TestMainWindow::init()
{
    m_filesBefore = DatabaseFiles();
    m_window = new MainWindow;
    m_window->move(100, 100);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    QCOMPARE(DatabaseFiles(), m_filesBefore);
}

void TestMainWindow::isFixedFramelessWindow()
{
    QCOMPARE(m_window->size(), QSize(1040, 650));
    QCOMPARE(m_window->minimumSize(), QSize(1040, 650));
    QCOMPARE(m_window->maximumSize(), QSize(1040, 650));
    QCOMPARE(int(m_window->windowFlags()), 0xE801);
    QCOMPARE(m_window->windowTitle(), QString("Ovelia"));
}

void TestMainWindow::widgetGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("import") << "pbtn_ImportFile" << QRect(36, 115, 116, 30) << true;
    QTest::newRow("tree") << "treeWidget" << QRect(0, 155, 181, 493) << false;
    QTest::newRow("table") << "tableView" << QRect(184, 174, 854, 377) << false;
    QTest::newRow("selected count") << "ledt_SelectCount" << QRect(330, 150, 45, 17) << true;
    QTest::newRow("page label") << "label_Page" << QRect(870, 555, 61, 20) << false;
    QTest::newRow("GO") << "pbtn_Confirm" << QRect(987, 554, 41, 22) << true;
    QTest::newRow("end time") << "timeEdit_End" << QRect(412, 121, 90, 18) << false;
    QTest::newRow("settings") << "pbtn_Setting" << QRect(0, 50, 94, 29) << true;
    QTest::newRow("progress") << "hs_SoundPlayProgress" << QRect(335, 606, 416, 20) << false;
    QTest::newRow("play") << "pbtn_PlayorPause" << QRect(230, 592, 47, 48) << true;
    QTest::newRow("close") << "pbtn_Close" << QRect(996, 14, 23, 23) << true;
    QTest::newRow("background") << "MainWndBkWidget" << QRect(0, 0, 1040, 650) << false;
    QTest::newRow("file name") << "label_WavFileName" << QRect(335, 589, 416, 16) << false;
}

void TestMainWindow::widgetGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, fixed);
    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), m_window->centralWidget());
    QCOMPARE(widget->geometry(), geometry);
    if (fixed) {
        QCOMPARE(widget->minimumSize(), geometry.size());
        QCOMPARE(widget->maximumSize(), geometry.size());
    }
}

void TestMainWindow::stackingOrder()
{
    QStringList order;
    for (QObject *child : m_window->centralWidget()->children())
        if (child->isWidgetType())
            order << child->objectName();
    const QStringList expected{
        "MainWndBkWidget", "pbtn_ImportFile", "treeWidget", "tableView", "pbtn_SelectAll",
        "pbtn_ReverseSelect", "ledt_SelectCount", "label_Count", "pbtn_Del", "pbtn_AddToFolder",
        "pbtn_ClearList", "pbtn_FirstPage", "ledt_CurrentPage", "pbtn_PrePage", "pbtn_NextPage",
        "pbtn_LastPage", "pbtn_Confirm", "label_Page", "label_BeginData", "label_BeginTime",
        "dateEdit_Begin", "timeEdit_Begin", "label_EndData", "label_EndTime", "dateEdit_End",
        "timeEdit_End", "label_CallType", "comBox_CallType", "label_RecordType",
        "comBox_RecordType", "label_ID", "label_KeyWord", "ledt_ID", "ledt_KeyWord", "pbtn_Search",
        "pbtn_Setting", "hs_SoundPlayProgress", "hs_SoundVolume", "pbtn_PreSound",
        "pbtn_NextSound", "pbtn_PlayorPause", "label_SoundPlayProcessAndTimeLen", "pbtn_Min",
        "pbtn_Close", "pbtn_Volume", "label_Logo", "label_ImportPathTip", "label_RecordTipIcon",
        "label_WavFileName"};
    QCOMPARE(order, expected);
}

void TestMainWindow::formProperties()
{
    QCOMPARE(m_window->findChild<QLineEdit *>("ledt_ID")->maxLength(), 8);
    QCOMPARE(m_window->findChild<QLineEdit *>("ledt_KeyWord")->maxLength(), 256);
    auto *tree = m_window->findChild<QTreeWidget *>("treeWidget");
    QVERIFY(tree->isHeaderHidden());
    QCOMPARE(tree->columnCount(), 1);
    auto *begin = m_window->findChild<QDateEdit *>("dateEdit_Begin");
    QVERIFY(begin->calendarPopup());
    QCOMPARE(m_window->findChild<QLabel *>("label_SoundPlayProcessAndTimeLen")->text(),
             QString("00:00:00/00:00:00"));
    QCOMPARE(m_window->findChild<QLabel *>("label_Logo")->styleSheet(),
             QString("background-image: url(:/PicRes/logo.png);"));
}

void TestMainWindow::textsAfterRetranslation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("import") << "pbtn_ImportFile" << "Import";
    QTest::newRow("invert") << "pbtn_ReverseSelect" << "Invert Select";
    QTest::newRow("count") << "label_Count" << "Total Selected File(s)";
    QTest::newRow("empty") << "pbtn_ClearList" << "Empty";
    QTest::newRow("previous") << "pbtn_PrePage" << "Previous";
    QTest::newRow("start date") << "label_BeginData" << "Start Date";
    QTest::newRow("recording type") << "label_RecordType" << "Recording Type";
    QTest::newRow("settings") << "pbtn_Setting" << "Settings";
    QTest::newRow("tree title") << "label_ImportPathTip" << "List of Record Files";
    QTest::newRow("play has no text") << "pbtn_PlayorPause" << "";
}

void TestMainWindow::textsAfterRetranslation()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
}

void TestMainWindow::paintsBackground()
{
    auto *background = m_window->findChild<QWidget *>("MainWndBkWidget");
    QVERIFY(background->autoFillBackground());
    const QBrush brush = background->palette().brush(QPalette::Inactive, QPalette::Window);
    QCOMPARE(brush.texture().size(), QSize(1040, 650));
    QVERIFY(QFile::exists(":/PicRes/BK_MainWnd.png"));
    QVERIFY(QFile::exists(":/Lang/LanguageFile_En.qm"));
    QVERIFY(QFile::exists(":/Lang/LanguageFile_ch.qm"));
}

void TestMainWindow::keepsWorkingDatabaseWhileOpen()
{
    QCOMPARE(DatabaseFiles().size(), m_filesBefore.size() + 1);
    QSqlQuery query(QStringLiteral("select name from sqlite_master order by rowid"));
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    QCOMPARE(tables, QStringList({"SaveViewDisp", "IgnorePathTab"}));
}

void TestMainWindow::dragsOnlyFromTitleBand_data()
{
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("top edge") << QPointF(300, 0) << int(Qt::LeftButton) << true;
    QTest::newRow("last row of the band") << QPointF(300, 50) << int(Qt::LeftButton) << true;
    QTest::newRow("rounds down to 50") << QPointF(300, 50.4) << int(Qt::LeftButton) << true;
    QTest::newRow("rounds up to 51") << QPointF(300, 50.6) << int(Qt::LeftButton) << false;
    QTest::newRow("below the band") << QPointF(300, 51) << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << QPointF(300, 10) << int(Qt::RightButton) << false;
}

void TestMainWindow::dragsOnlyFromTitleBand()
{
    QFETCH(QPointF, press);
    QFETCH(int, button);
    QFETCH(bool, moves);
    const QPoint start = m_window->pos();
    const auto pressed = Qt::MouseButton(button);
    SendMouse(m_window, QEvent::MouseButtonPress, press, pressed, pressed);
    SendMouse(m_window, QEvent::MouseMove, press + QPointF(30, 20), Qt::NoButton,
              Qt::LeftButton);
    QCOMPARE(m_window->pos(), moves ? start + QPoint(30, 20) : start);
    SendMouse(m_window, QEvent::MouseButtonRelease, press, pressed, Qt::NoButton);
}

void TestMainWindow::dragContinuesOutsideBandUntilRelease()
{
    const QPoint start = m_window->pos();
    SendMouse(m_window, QEvent::MouseButtonPress, QPointF(500, 20), Qt::LeftButton,
              Qt::LeftButton);
    SendMouse(m_window, QEvent::MouseMove, QPointF(500, 400), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_window->pos(), start + QPoint(0, 380));
    SendMouse(m_window, QEvent::MouseMove, QPointF(500, 400), Qt::NoButton, Qt::NoButton);
    QCOMPARE(m_window->pos(), start + QPoint(0, 380));
    SendMouse(m_window, QEvent::MouseButtonRelease, QPointF(500, 400), Qt::LeftButton,
              Qt::NoButton);
    SendMouse(m_window, QEvent::MouseMove, QPointF(520, 420), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_window->pos(), start + QPoint(0, 380));
}

void TestMainWindow::minimiseAndClose()
{
    QTest::mouseClick(m_window->findChild<QPushButton *>("pbtn_Min"), Qt::LeftButton);
    QVERIFY(m_window->windowState() & Qt::WindowMinimized);
    m_window->showNormal();
    QTest::mouseClick(m_window->findChild<QPushButton *>("pbtn_Close"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
