#include "app/appresources.h"
#include "app/mainwindow.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

// D/rec with recordings in the folders below it, one per folder and a
// second one in "a": rec/x.wav, rec/a/1.wav, rec/a/2.wav, rec/a/deep/3.wav,
// rec/ab/4.wav, rec/B/5.wav.
void WriteArchive(const QString &root)
{
    const QStringList files{"x.wav", "a/1.wav", "a/2.wav", "a/deep/3.wav", "ab/4.wav", "B/5.wav"};
    quint8 minute = 0;
    for (const QString &file : files) {
        RecordingFields fields;
        fields.minute = minute++;
        QVERIFY(WriteRecording(root + "/" + file, fields));
    }
}

QStringList ChildTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QStringList IgnoreRows()
{
    QSqlQuery query(QStringLiteral("select TreeNodeID, IgnorePath from IgnorePathTab"));
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString() + ":" + query.value(1).toString();
    return rows;
}

} // namespace

class TestMainWindowTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void folderImportBuildsWholeTree();
    void missingPathUsesNoNodeNumber_data();
    void missingPathUsesNoNodeNumber();
    void fileImportListsThatFile();
    void clickListsSubtreeOnly();
    void secondClickOnSameItemDoesNotReload();
    void removal_data();
    void removal();
    void cancelledRemovalKeepsItem();
    void reimportedPathScansRemovedFolderAgain();

private:
    QStringList ListedNames() { return TableColumn(m_window, 2); }

    MainWindow *m_window = nullptr;
    QTemporaryDir *m_archive = nullptr;
    QString m_root;
};

void TestMainWindowTree::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
}

void TestMainWindowTree::init()
{
    m_archive = new QTemporaryDir;
    m_root = m_archive->path() + "/rec";
    WriteArchive(m_root);
    m_window = new MainWindow;
    m_window->show();
}

void TestMainWindowTree::cleanup()
{
    delete m_window;
    delete m_archive;
}

void TestMainWindowTree::folderImportBuildsWholeTree()
{
    ImportPath(m_window, m_root);
    QTreeWidgetItem *top = TopLevelItem(m_window, 0);
    QVERIFY(top);
    QCOMPARE(top->text(0), m_root);
    QCOMPARE(top->data(0, Qt::UserRole).toInt(), 0);
    QCOMPARE(ChildTexts(top), QStringList({"a", "ab", "B"}));
    QTreeWidgetItem *a = ChildNamed(top, "a");
    QCOMPARE(ChildTexts(a), QStringList({"deep"}));
    QCOMPARE(a->child(0)->data(0, Qt::UserRole).toInt(), 0);
    QVERIFY(top->isExpanded());
    QCOMPARE(DatabaseRowCount(), 0);
    QCOMPARE(ListedNames(), QStringList());

    ImportPath(m_window, m_root + "/a");
    QCOMPARE(TopLevelItem(m_window, 1)->data(0, Qt::UserRole).toInt(), 1);
    QVERIFY(!top->isExpanded());
    QVERIFY(TopLevelItem(m_window, 1)->isExpanded());
}

void TestMainWindowTree::missingPathUsesNoNodeNumber_data()
{
    QTest::addColumn<bool>("folderMode");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << true << "/nothing" << "Folder does not exist!";
    QTest::newRow("a file as folder") << true << "/x.wav" << "Folder does not exist!";
    QTest::newRow("missing file") << false << "/nothing.wav" << "File does not exist!";
    QTest::newRow("a folder as file") << false << "/a" << "File does not exist!";
}

void TestMainWindowTree::missingPathUsesNoNodeNumber()
{
    QFETCH(bool, folderMode);
    QFETCH(QString, relative);
    QFETCH(QString, message);
    QString shown;
    ExpectMessage(&shown);
    ImportPath(m_window, m_root + relative, folderMode);
    QCOMPARE(shown, message);
    QVERIFY(!TopLevelItem(m_window, 0));

    ImportPath(m_window, m_root);
    QCOMPARE(TopLevelItem(m_window, 0)->data(0, Qt::UserRole).toInt(), 0);
}

void TestMainWindowTree::fileImportListsThatFile()
{
    ImportPath(m_window, m_root + "/a/2.wav", false);
    QTreeWidgetItem *top = TopLevelItem(m_window, 0);
    QCOMPARE(top->text(0), m_root + "/a/2.wav");
    QCOMPARE(top->childCount(), 0);
    ClickTreeItem(m_window, top);
    QCOMPARE(ListedNames(), QStringList({"2.wav"}));
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/1"));
}

void TestMainWindowTree::clickListsSubtreeOnly()
{
    ImportPath(m_window, m_root);
    QTreeWidgetItem *top = TopLevelItem(m_window, 0);
    ClickTreeItem(m_window, top);
    QCOMPARE(ListedNames(), QStringList({"x.wav", "1.wav", "2.wav", "3.wav", "4.wav", "5.wav"}));
    QCOMPARE(DatabaseRowCount(), 6);

    ClickTreeItem(m_window, ChildNamed(top, "a"));
    QCOMPARE(ListedNames(), QStringList({"1.wav", "2.wav", "3.wav"}));
    QCOMPARE(DatabaseRowCount(), 3);
    QCOMPARE(TableColumn(m_window, 1), QStringList({"1", "2", "3"}));
}

void TestMainWindowTree::secondClickOnSameItemDoesNotReload()
{
    ImportPath(m_window, m_root);
    QTreeWidgetItem *a = ChildNamed(TopLevelItem(m_window, 0), "a");
    ClickTreeItem(m_window, a);
    QVERIFY(WriteRecording(m_root + "/a/late.wav"));
    ClickTreeItem(m_window, a);
    QCOMPARE(ListedNames().size(), 3);

    ClickTreeItem(m_window, TopLevelItem(m_window, 0));
    ClickTreeItem(m_window, a);
    QCOMPARE(ListedNames().size(), 4);
}

void TestMainWindowTree::removal_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("below the current item") << "" << "a" << QStringList({"x.wav", "4.wav", "5.wav"});
    QTest::newRow("the current item") << "a" << "a" << QStringList();
    QTest::newRow("above the current item") << "a/deep" << "a" << QStringList();
    QTest::newRow("a sibling with a longer name") << "ab" << "a" << QStringList({"4.wav"});
    QTest::newRow("nothing clicked yet") << QString() << "a" << QStringList();
}

void TestMainWindowTree::removal()
{
    QFETCH(QString, clicked);
    QFETCH(QString, removed);
    QFETCH(QStringList, listed);

    ImportPath(m_window, m_root);
    QTreeWidgetItem *top = TopLevelItem(m_window, 0);
    auto itemAt = [top](const QString &relative) {
        QTreeWidgetItem *item = top;
        for (const QString &name : relative.split('/', Qt::SkipEmptyParts))
            item = ChildNamed(item, name);
        return item;
    };
    if (!clicked.isNull())
        ClickTreeItem(m_window, itemAt(clicked));

    RemoveTreeItem(m_window, itemAt(removed));
    QCOMPARE(ChildTexts(top), QStringList({"ab", "B"}));
    QCOMPARE(IgnoreRows(), QStringList({"0:" + m_root + "/" + removed}));
    QCOMPARE(ListedNames(), listed);

    ClickTreeItem(m_window, ChildNamed(top, "ab"));
    ClickTreeItem(m_window, top);
    QCOMPARE(ListedNames(), QStringList({"x.wav", "4.wav", "5.wav"}));
}

void TestMainWindowTree::cancelledRemovalKeepsItem()
{
    ImportPath(m_window, m_root);
    QTreeWidgetItem *top = TopLevelItem(m_window, 0);
    RemoveTreeItem(m_window, ChildNamed(top, "B"), false);
    QCOMPARE(ChildTexts(top), QStringList({"a", "ab", "B"}));
    QCOMPARE(IgnoreRows(), QStringList());
}

void TestMainWindowTree::reimportedPathScansRemovedFolderAgain()
{
    ImportPath(m_window, m_root);
    RemoveTreeItem(m_window, ChildNamed(TopLevelItem(m_window, 0), "a"));
    ImportPath(m_window, m_root);
    QTreeWidgetItem *second = TopLevelItem(m_window, 1);
    QCOMPARE(ChildTexts(second), QStringList({"a", "ab", "B"}));
    ClickTreeItem(m_window, second);
    QCOMPARE(ListedNames().size(), 6);

    ClickTreeItem(m_window, TopLevelItem(m_window, 0));
    QCOMPARE(ListedNames().size(), 3);
}

QTEST_MAIN(TestMainWindowTree)
#include "tst_mainwindow_tree.moc"
