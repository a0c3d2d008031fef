// The real main window, one new window per test, driven through its widgets:
// the import tree and its removal, the check marks, delete and playing,
// each beyond what the user journey goes through.

#include "app/mainwindow.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Starting a minute apart in this order; the quote in a path must break no
// statement.
const QStringList kArchive{"x.wav",        "a/it's 1.wav", "a/2.wav",
                           "a/deep/3.wav", "ab/4.wav",     "B/5.wav"};

QStringList IgnoreRows()
{
    QSqlQuery query(QStringLiteral("select TreeNodeID, IgnorePath from IgnorePathTab"));
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString() + ":" + query.value(1).toString();
    return rows;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importBuildsTreeWithNodeNumbers();
    void importRefusesMissingPath_data();
    void importRefusesMissingPath();
    void failedStoreIsSaid();
    void removal_data();
    void removal();
    void removalKeepsToItsImport();
    void checkMarksSelectAllAndInvert();
    void deleteCountsOnlyRemovedFiles();
    void refusesListChangesWhilePlaying();

private:
    QString Rec(const QString &relative = QString()) const;
    QStringList Names() { return TableColumn(m_window.get(), 2); }
    QTreeWidgetItem *Top(int index = 0) { return TopLevelItem(m_window.get(), index); }
    void ImportAndList(int index = 0);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<MessageLog> m_messages;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    for (int i = 0; i < kArchive.size(); ++i) {
        RecordingFields fields;
        fields.minute = quint8(i);
        fields.pcm = SinePcm(20000);
        QVERIFY(WriteRecording(Rec(kArchive[i]), fields));
    }
    m_messages = std::make_unique<MessageLog>();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    QCOMPARE(m_messages->Take(), QStringList());
    m_messages.reset();
    m_folder.reset();
}

QString TestMainWindow::Rec(const QString &relative) const
{
    return m_folder->filePath("rec") + (relative.isEmpty() ? "" : "/" + relative);
}

void TestMainWindow::ImportAndList(int index)
{
    ImportPath(m_window.get(), Rec());
    ClickTreeItem(m_window.get(), Top(index));
}

// Each import takes the next tree node number, and the items below it take
// that number too.
void TestMainWindow::importBuildsTreeWithNodeNumbers()
{
    ImportPath(m_window.get(), Rec());
    ImportPath(m_window.get(), Rec("a/2.wav"), false);
    QCOMPARE(ChildTexts(Top()), QStringList({"a", "ab", "B"}));
    QCOMPARE(ChildTexts(ChildNamed(Top(), "a")), QStringList({"deep"}));
    QCOMPARE(ChildNamed(Top(), "a")->child(0)->data(0, Qt::UserRole).toInt(), 0);
    QCOMPARE(Top(1)->text(0), Rec("a/2.wav"));
    QCOMPARE(Top(1)->childCount(), 0);
    QCOMPARE(Top(1)->data(0, Qt::UserRole).toInt(), 1);
    QCOMPARE(DatabaseRowCount(), 0);
    ClickTreeItem(m_window.get(), Top(1));
    QCOMPARE(Names(), QStringList({"2.wav"}));
}

void TestMainWindow::importRefusesMissingPath_data()
{
    QTest::addColumn<bool>("folderMode");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << true << "nothing" << "Folder does not exist!";
    QTest::newRow("a file as folder") << true << "x.wav" << "Folder does not exist!";
    QTest::newRow("missing file") << false << "nothing.wav" << "File does not exist!";
    QTest::newRow("a folder as file") << false << "a" << "File does not exist!";
}

// A refused import uses no tree node number.
void TestMainWindow::importRefusesMissingPath()
{
    QFETCH(bool, folderMode);
    QFETCH(QString, relative);
    QFETCH(QString, message);
    ImportPath(m_window.get(), Rec(relative), folderMode);
    QCOMPARE(m_messages->Take(), QStringList{message});
    QVERIFY(!Top());

    ImportPath(m_window.get(), Rec());
    QCOMPARE(Top()->data(0, Qt::UserRole).toInt(), 0);
}

// No record can be stored: the scan stops and says so, and the list shows
// what was stored; the next scan that can store its records says nothing.
void TestMainWindow::failedStoreIsSaid()
{
    QVERIFY(QSqlQuery().exec("create trigger full before insert on SaveViewDisp "
                             "begin select raise(abort, 'database or disk is full'); end"));
    ImportAndList();
    QCOMPARE(m_messages->Take(),
             QStringList{"The list could not be stored: the disk is full or not writable!"});
    QCOMPARE(Names(), QStringList());

    QVERIFY(QSqlQuery().exec("drop trigger full"));
    ClickTreeItem(m_window.get(), ChildNamed(Top(), "a"));
    QCOMPARE(Names(), QStringList({"it's 1.wav", "2.wav", "3.wav"}));
}

void TestMainWindow::removal_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("below the listed item") << "" << QStringList({"x.wav", "4.wav", "5.wav"});
    QTest::newRow("the listed item") << "a" << QStringList();
    QTest::newRow("above the listed item") << "a/deep" << QStringList();
    QTest::newRow("a sibling with a longer name") << "ab" << QStringList({"4.wav"});
    QTest::newRow("nothing listed yet") << QString() << QStringList();
}

// Removing "a" hides it and what is below it from later scans of the import.
void TestMainWindow::removal()
{
    QFETCH(QString, clicked);
    QFETCH(QStringList, listed);
    ImportPath(m_window.get(), Rec());
    QTreeWidgetItem *item = Top();
    for (const QString &name : clicked.split('/', Qt::SkipEmptyParts))
        item = ChildNamed(item, name);
    if (!clicked.isNull())
        ClickTreeItem(m_window.get(), item);

    RemoveTreeItem(m_window.get(), ChildNamed(Top(), "a"));
    QCOMPARE(ChildTexts(Top()), QStringList({"ab", "B"}));
    QCOMPARE(IgnoreRows(), QStringList({"0:" + Rec("a")}));
    QCOMPARE(Names(), listed);
    ClickTreeItem(m_window.get(), ChildNamed(Top(), "ab"));
    ClickTreeItem(m_window.get(), Top());
    QCOMPARE(Names(), QStringList({"x.wav", "4.wav", "5.wav"}));
}

// A cancelled removal stores nothing; what is removed below one import stays
// visible through another.
void TestMainWindow::removalKeepsToItsImport()
{
    ImportPath(m_window.get(), Rec());
    RemoveTreeItem(m_window.get(), ChildNamed(Top(), "a"), false);
    QCOMPARE(ChildTexts(Top()), QStringList({"a", "ab", "B"}));
    QCOMPARE(IgnoreRows(), QStringList());
    RemoveTreeItem(m_window.get(), ChildNamed(Top(), "a"));
    ImportAndList(1);
    QCOMPARE(ChildTexts(Top(1)), QStringList({"a", "ab", "B"}));
    QCOMPARE(Names().size(), 6);
    ClickTreeItem(m_window.get(), Top());
    QCOMPARE(Names().size(), 3);
}

void TestMainWindow::checkMarksSelectAllAndInvert()
{
    ImportAndList();
    auto verifyChecked = [this](int count) {
        QCOMPARE(WidgetText(m_window.get(), "ledt_SelectCount"), QString::number(count));
        QCOMPARE(DatabaseRowCount("where FileCheck = 1"), count);
    };
    for (int row : {0, 4, 5, 4})
        ClickCheckCell(m_window.get(), row);
    verifyChecked(2);
    ClickButton(m_window.get(), "pbtn_ReverseSelect");
    verifyChecked(4);
    ClickButton(m_window.get(), "pbtn_SelectAll");
    ClickButton(m_window.get(), "pbtn_SelectAll");
    verifyChecked(6);
    ClickButton(m_window.get(), "pbtn_ReverseSelect");
    verifyChecked(0);
}

// A folder now stands where the listed x.wav was: it cannot be removed as a
// file, and its row, record and mark stay.
void TestMainWindow::deleteCountsOnlyRemovedFiles()
{
    ImportAndList();
    for (int row : {0, 1, 2})
        ClickCheckCell(m_window.get(), row);
    QVERIFY(QFile::remove(Rec("x.wav")));
    QVERIFY(QDir().mkpath(Rec("x.wav/inside")));
    AnswerConfirmation();
    ClickButton(m_window.get(), "pbtn_Del");
    QCOMPARE(m_messages->Take(), QStringList{"Only some files were deleted, please check!"});
    QCOMPARE(Names(), QStringList({"x.wav", "3.wav", "4.wav", "5.wav"}));
    QCOMPARE(WidgetText(m_window.get(), "ledt_SelectCount"), QString("1"));
    QCOMPARE(DatabaseRowCount(), 4);
    QVERIFY(!QFile::exists(Rec("a/it's 1.wav")));
    ClickButton(m_window.get(), "pbtn_ReverseSelect");
    QCOMPARE(WidgetText(m_window.get(), "ledt_SelectCount"), QString("3"));
}

void TestMainWindow::refusesListChangesWhilePlaying()
{
    ImportAndList();
    ClickCheckCell(m_window.get(), 1);
    DoubleClickRow(m_window.get(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window.get()), 10000);

    ClickCheckCell(m_window.get(), 2);
    for (const char *button : {"pbtn_SelectAll", "pbtn_ReverseSelect", "pbtn_ClearList",
                               "pbtn_Search"})
        ClickButton(m_window.get(), button);
    ChoosePopupPath({"List Number", "50"});
    ClickButton(m_window.get(), "pbtn_Setting");
    QVERIFY(IsPlayingShown(m_window.get()));
    QCOMPARE(Names().size(), 6);
    QCOMPARE(WidgetText(m_window.get(), "ledt_SelectCount"), QString("1"));

    ClickButton(m_window.get(), "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window.get()), 5000);
    ClickButton(m_window.get(), "pbtn_SelectAll");
    QCOMPARE(WidgetText(m_window.get(), "ledt_SelectCount"), QString("6"));
}

OVELIA_WINDOW_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
