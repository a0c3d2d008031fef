#include "app/appresources.h"
#include "app/mainwindow.h"
#include "import/importrecordfile.h"
#include "records/renamedialog.h"
#include "ui/abouttip.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/tipdlg.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

using DialogFactory = std::function<QDialog *()>;

QStringList ImagesNamed(const QString &styleSheet)
{
    QStringList images;
    static const QRegularExpression url(QStringLiteral("url\\((:/PicRes/[^)]+)\\)"));
    for (auto match = url.globalMatch(styleSheet); match.hasNext();)
        images << match.next().captured(1);
    return images;
}

QString AllStyleSheets(const QWidget *root)
{
    QString sheets = root->styleSheet();
    for (const QWidget *child : root->findChildren<QWidget *>())
        sheets += child->styleSheet();
    return sheets;
}

// Every image the sheets name is among the resources, but for the line edits'
// pressed images: their templates name them, yet they were never drawn. The
// least count keeps the check from passing over sheets that name nothing.
void VerifyImagesExist(const QString &sheets, int leastCount)
{
    static const QRegularExpression undrawn(QStringLiteral("^:/PicRes/ED_\\w+_Pressed\\.png$"));
    const QStringList images = ImagesNamed(sheets);
    QVERIFY2(images.size() >= leastCount, qPrintable(QString::number(images.size())));
    for (const QString &image : images)
        QVERIFY2(QFile::exists(image) || undrawn.match(image).hasMatch(), qPrintable(image));
}

// The parentless menu that holds an action with this text: "Play" for the
// table's row menu, "Delete" for the tree's.
QMenu *TopLevelMenuWith(const QString &actionText)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *menu = qobject_cast<QMenu *>(widget);
        for (const QAction *action : menu ? menu->actions() : QList<QAction *>())
            if (action->text() == actionText)
                return menu;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(DialogFactory)

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void mainWindowImagesExist();
    void dialogImagesExist_data();
    void dialogImagesExist();
    void mainWindowLook_data();
    void mainWindowLook();
    void dialogTitle_data() { dialogImagesExist_data(); }
    void dialogTitle();
    void calendarPopups();
    void recordTipIcon();

private:
    MainWindow *m_window = nullptr;
};

void TestTheme::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
    m_window = new MainWindow;
}

void TestTheme::cleanupTestCase()
{
    delete m_window;
}

void TestTheme::mainWindowImagesExist()
{
    const QMenu *rowMenu = TopLevelMenuWith(QStringLiteral("Play"));
    const QMenu *treeMenu = TopLevelMenuWith(QStringLiteral("Delete"));
    QVERIFY(rowMenu && treeMenu);
    const QString menuSheets = rowMenu->styleSheet() + treeMenu->styleSheet();
    VerifyImagesExist(AllStyleSheets(m_window) + menuSheets, 50);
}

void TestTheme::dialogImagesExist_data()
{
    QTest::addColumn<DialogFactory>("dialog");
    QTest::addColumn<QString>("title");
    QTest::newRow("MessageTip") << DialogFactory([] {
        return new MessageTip("Delete", "Sure?", "Delete", "Cancel", nullptr);
    }) << "label_MsgTip_Title";
    QTest::newRow("MsgTipWidthSingleBtn") << DialogFactory([] {
        return new MsgTipWidthSingleBtn("Error", "Failed", "Cancel", nullptr);
    }) << "label_MsgWndWithSingleBtnTitle";
    QTest::newRow("AboutTip") << DialogFactory([] {
        return new AboutTip("About", "Ovelia V1.00.02.001", "OK", nullptr);
    }) << "label_AboutTip_Title";
    QTest::newRow("TipDlg") << DialogFactory([] { return new TipDlg; }) << "label_TipWndTitle";
    QTest::newRow("ImportRecordFile") << DialogFactory([] { return new ImportRecordFile; })
                                      << "label_ImportTitle";
    QTest::newRow("RenameDialog") << DialogFactory([] { return new RenameDialog; })
                                  << "label_RenameTitle";
}

void TestTheme::dialogImagesExist()
{
    QFETCH(DialogFactory, dialog);
    const std::unique_ptr<QDialog> window(dialog());
    VerifyImagesExist(AllStyleSheets(window.get()), 6);
}

void TestTheme::mainWindowLook_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("rule");
    QTest::newRow("table background")
        << "tableView" << "QTableView{background-color:rgb(41,48,66);}";
    QTest::newRow("table selection")
        << "tableView" << "QTableView::item{selection-background-color:#1f4766;}";
    QTest::newRow("table header")
        << "tableView" << "QHeaderView:section{background-color:#394860;}";
    QTest::newRow("tree text") << "treeWidget" << "QTreeWidget{color:#cfdfff;}";
    QTest::newRow("settings menu, inherited from its button")
        << "pbtn_Setting" << "QMenu{background-color:#56698c;}";
    QTest::newRow("row menu") << "menu:Play" << "QMenu{background-color:#56698c;}";
    QTest::newRow("tree menu")
        << "menu:Delete" << "QMenu::item:selected{background-color:#394860;}";
    QTest::newRow("combo list")
        << "comBox_CallType" << "QComboBox QAbstractItemView{background-color:#56698c;}";
    QTest::newRow("play button starts on play")
        << "pbtn_PlayorPause"
        << "QPushButton{border-image:url(:/PicRes/Btn_PlaySound_Normal.png);}";
}

void TestTheme::mainWindowLook()
{
    QFETCH(QString, widget);
    QFETCH(QString, rule);
    const QString menuAction = widget.section(QStringLiteral("menu:"), 1);
    const QWidget *part = menuAction.isEmpty() ? m_window->findChild<QWidget *>(widget)
                                               : TopLevelMenuWith(menuAction);
    QVERIFY(part);
    QVERIFY2(part->styleSheet().contains(rule), qPrintable(part->styleSheet()));
}

void TestTheme::dialogTitle()
{
    QFETCH(DialogFactory, dialog);
    QFETCH(QString, title);
    const std::unique_ptr<QDialog> window(dialog());
    auto *label = window->findChild<QLabel *>(title);
    QVERIFY(label);
    QCOMPARE(label->styleSheet(),
             QStringLiteral("QLabel{font: 15px 微软雅黑;}QLabel{color:#FFFFFF;}"));
}

// Both pop-ups: no weekday header, a grid, and white weekend days.
void TestTheme::calendarPopups()
{
    for (const char *name : {"dateEdit_Begin", "dateEdit_End"}) {
        auto *edit = m_window->findChild<QDateEdit *>(name);
        QVERIFY2(edit, name);
        const QCalendarWidget *calendar = edit->calendarWidget();
        QCOMPARE(calendar->horizontalHeaderFormat(), QCalendarWidget::NoHorizontalHeader);
        QVERIFY(calendar->isGridVisible());
        for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday})
            QCOMPARE(calendar->weekdayTextFormat(day).foreground().color(), QColor("#FFFFFF"));
    }
}

void TestTheme::recordTipIcon()
{
    auto *icon = m_window->findChild<QLabel *>(QStringLiteral("label_RecordTipIcon"));
    QVERIFY(icon);
    const QImage shown = icon->pixmap(Qt::ReturnByValue).toImage();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown, QImage(":/PicRes/Label_RecordPathIcon.png").convertToFormat(shown.format()));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
