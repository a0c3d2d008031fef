// A dispatcher's session with Ovelia in one run of the real window, step by
// step through its buttons, tree, table, menus and dialogs: each step checks
// what the window shows, what the working database holds and which files on
// disk changed. The steps build on each other and run in their order.

#include "app/appresources.h"
#include "app/mainwindow.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

using FileDigests = QMap<QString, QByteArray>;

constexpr int kNorthCount = 230;
constexpr int kGroupCallEvery = 10; // n007, n017, ... are group calls
constexpr quint32 kWatchedID = 4242; // calls n012 and n150

QString NorthName(int i)
{
    return QStringLiteral("n%1.wav").arg(i, 3, 10, QLatin1Char('0'));
}

RecordingFields NorthFields(int i)
{
    RecordingFields fields;
    fields.recordType = 2; // call records, on a channel that carries IDs
    fields.channelType = 2;
    fields.hour = quint8(9 + i / 60);
    fields.minute = quint8(i % 60);
    fields.second = 0;
    fields.callType = i % kGroupCallEvery == 7 ? 1 : 0;
    fields.callingID = (i == 12 || i == 150) ? kWatchedID : 1001;
    // The first three are long enough to be heard; the rest are short.
    fields.pcm = SinePcm(i < 3 ? 20000 : 100);
    return fields;
}

// Every file below folder by its path relative to it, with a digest of its bytes.
FileDigests Digests(const QString &folder)
{
    FileDigests digests;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            digests.insert(QDir(folder).relativeFilePath(file.fileName()),
                           QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
    }
    return digests;
}

QByteArray Digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Replaces a line edit's text by typing.
void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Walks the popup menus that the next action opens: the entries named by
// path, each opening the next menu, the last one chosen with Return.
void ChoosePopupPath(const QStringList &path)
{
    auto *poll = new QTimer(qApp);
    auto step = std::make_shared<int>(0);
    auto opened = std::make_shared<QMenu *>(nullptr);
    const QDeadlineTimer deadline(5000);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (deadline.hasExpired()) {
            poll->deleteLater();
            return;
        }
        if (!menu || menu == *opened)
            return;
        *opened = menu;
        for (QAction *action : menu->actions())
            if (action->text() == path.at(*step))
                menu->setActiveAction(action);
        const bool last = ++*step == path.size();
        QTest::keyClick(menu, last ? Qt::Key_Return : Qt::Key_Right);
        if (last)
            poll->deleteLater();
    });
    poll->start(10);
}

bool IsPlayingShown(MainWindow *window)
{
    return window->findChild<QPushButton *>("pbtn_PlayorPause")->styleSheet().contains("SoundPause");
}

} // namespace

class TestUserJourney : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void importsArchiveAsTree();
    void clickOnFolderListsItsRecordings();
    void pagesForwardAndBack();
    void searchesWithFilters();
    void checksRows();
    void playsPausesAndSkips();
    void exportsIntoFolderHoldingOneName();
    void renamesRow();
    void deletesTwoCheckedRowsAfterConfirming();
    void removesTreeItem();
    void switchesToChinese();
    void closingRemovesWorkingDatabase();

private:
    QWidget *Widget(const char *name) { return m_window->findChild<QWidget *>(name); }
    QPushButton *Button(const char *name) { return m_window->findChild<QPushButton *>(name); }
    QLineEdit *Edit(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    QString Text(const char *name) { return WidgetText(m_window, name); }
    QStringList Names() { return TableColumn(m_window, 2); }
    QTreeWidget *Tree() { return m_window->findChild<QTreeWidget *>("treeWidget"); }
    QString North(const QString &name) const { return m_archive.filePath("north/" + name); }
    void DoubleClickRow(int row);
    void VerifyArchiveAsExpected();

    QTemporaryDir m_archive;
    QTemporaryDir m_exportFolder;
    QPointer<MainWindow> m_window;
    QString m_databaseFile;
    FileDigests m_expected; // what the archive must hold after each step
};

void TestUserJourney::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
    for (int i = 0; i < kNorthCount; ++i)
        QVERIFY(WriteRecording(North(NorthName(i)), NorthFields(i)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteRecording(m_archive.filePath(QString("south/s%1.wav").arg(i))));
    QVERIFY(WriteFileBytes(m_archive.filePath("north/notes.txt"), "shift handover"));
    QVERIFY(WriteFileBytes(m_archive.filePath("south/old/.keep"), ""));
    m_expected = Digests(m_archive.path());

    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_databaseFile = QSqlDatabase::database().databaseName();
    QVERIFY(QFile::exists(m_databaseFile));
}

void TestUserJourney::cleanupTestCase()
{
    delete m_window;
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
}

void TestUserJourney::DoubleClickRow(int row)
{
    auto *table = m_window->findChild<QTableView *>("tableView");
    const QPoint cell = table->visualRect(table->model()->index(row, 2)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
}

void TestUserJourney::VerifyArchiveAsExpected()
{
    const FileDigests actual = Digests(m_archive.path());
    QCOMPARE(actual.keys(), m_expected.keys());
    QVERIFY(actual == m_expected);
}

void TestUserJourney::importsArchiveAsTree()
{
    ImportPath(m_window, m_archive.path());
    QCOMPARE(Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    QCOMPARE(root->text(0), m_archive.path());
    Tree()->expandAll();
    QVERIFY(ChildNamed(root, "north"));
    QVERIFY(ChildNamed(ChildNamed(root, "south"), "old"));
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(DatabaseRowCount(), 0);
    QCOMPARE(Text("label_Page"), QString("1/1"));
    VerifyArchiveAsExpected();
}

void TestUserJourney::clickOnFolderListsItsRecordings()
{
    ClickTreeItem(m_window, ChildNamed(TopLevelItem(m_window, 0), "north"));
    QTRY_COMPARE_WITH_TIMEOUT(DatabaseRowCount(), kNorthCount, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_Page"), QString("1/2"), 5000);
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Names().first(), NorthName(0));
    QCOMPARE(TableColumn(m_window, 3).first(), QString("2024-03-07 09:00:00"));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));
    VerifyArchiveAsExpected();
}

void TestUserJourney::pagesForwardAndBack()
{
    Click(Button("pbtn_NextPage"));
    QCOMPARE(Text("label_Page"), QString("2/2"));
    QCOMPARE(Names().size(), kNorthCount - 200);
    QCOMPARE(Names().first(), NorthName(200));
    QCOMPARE(TableColumn(m_window, 1).last(), QString::number(kNorthCount - 200));

    Type(Edit("ledt_CurrentPage"), "1");
    Click(Button("pbtn_Confirm"));
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().first(), NorthName(0));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
}

void TestUserJourney::searchesWithFilters()
{
    m_window->findChild<QDateEdit *>("dateEdit_Begin")->setDate(QDate(2024, 3, 7));
    m_window->findChild<QTimeEdit *>("timeEdit_Begin")->setTime(QTime(0, 0));
    m_window->findChild<QDateEdit *>("dateEdit_End")->setDate(QDate(2024, 3, 7));
    m_window->findChild<QTimeEdit *>("timeEdit_End")->setTime(QTime(23, 59, 59));
    auto *callType = m_window->findChild<QComboBox *>("comBox_CallType");
    callType->setCurrentIndex(callType->findText("Group Call"));
    Click(Button("pbtn_Search"));
    const QStringList groupCalls = Names();
    QCOMPARE(groupCalls.size(), kNorthCount / kGroupCallEvery);
    QCOMPARE(groupCalls.first(), NorthName(7));
    QCOMPARE(Text("label_Page"), QString("1/1"));

    callType->setCurrentIndex(0);
    Type(Edit("ledt_ID"), QString::number(kWatchedID));
    Click(Button("pbtn_Search"));
    QCOMPARE(Names(), QStringList({NorthName(12), NorthName(150)}));

    Edit("ledt_ID")->clear();
    Type(Edit("ledt_KeyWord"), "n00");
    Click(Button("pbtn_Search"));
    QCOMPARE(Names().size(), 10);

    Edit("ledt_KeyWord")->clear();
    Click(Button("pbtn_Search"));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
}

void TestUserJourney::checksRows()
{
    for (int row : {0, 1, 2, 5})
        ClickCheckCell(m_window, row);
    ClickCheckCell(m_window, 5);
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
    QCOMPARE(DatabaseRowCount(QString("where FileCheck = 1 and FileName in ('%1', '%2', '%3')")
                                  .arg(NorthName(0), NorthName(1), NorthName(2))),
             3);
}

void TestUserJourney::playsPausesAndSkips()
{
    DoubleClickRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(0), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Text("label_SoundPlayProcessAndTimeLen").endsWith("/00:00:20"), 5000);

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    const QString pausedAt = Text("label_SoundPlayProcessAndTimeLen");
    QTest::qWait(1200);
    QCOMPARE(Text("label_SoundPlayProcessAndTimeLen"), pausedAt);

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 5000);
    Click(Button("pbtn_NextSound"));
    QTRY_COMPARE_WITH_TIMEOUT(Text("label_WavFileName"), NorthName(1), 5000);
    QVERIFY(IsPlayingShown(m_window));

    // While playing, the list keeps its marks.
    ClickCheckCell(m_window, 4);
    QCOMPARE(Text("ledt_SelectCount"), QString("3"));

    Click(Button("pbtn_PlayorPause"));
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
    VerifyArchiveAsExpected();
}

void TestUserJourney::exportsIntoFolderHoldingOneName()
{
    QVERIFY(WriteFileBytes(m_exportFolder.filePath(NorthName(1)), "yesterday's copy"));
    AnswerModal("QFileDialog", [this](QDialog *dialog) {
        auto *chooser = static_cast<QFileDialog *>(dialog);
        chooser->setDirectory(m_exportFolder.path());
        QMetaObject::invokeMethod(chooser, "accept");
    });
    QString shown;
    ExpectMessage(&shown);
    Click(Button("pbtn_AddToFolder"));
    QTRY_COMPARE_WITH_TIMEOUT(shown, QString("Success!"), 10000);

    const FileDigests exported = Digests(m_exportFolder.path());
    QCOMPARE(exported.size(), 4);
    QCOMPARE(exported.value(NorthName(1)), Digest("yesterday's copy"));
    for (const QString &name : {NorthName(0), NorthName(2)})
        QCOMPARE(exported.value(name), m_expected.value("north/" + name));
    const QStringList renamedCopy =
        exported.keys().filter(QRegularExpression("^n001-\\d{15}\\.wav$"));
    QCOMPARE(renamedCopy.size(), 1);
    QCOMPARE(exported.value(renamedCopy.first()), m_expected.value("north/" + NorthName(1)));
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    VerifyArchiveAsExpected();
}

void TestUserJourney::renamesRow()
{
    AnswerModal("RenameDialog", [](QDialog *dialog) {
        Type(dialog->findChild<QLineEdit *>("ledt_Rename"), "handover call");
        Click(dialog->findChild<QPushButton *>("pbtn_OK"));
    });
    QString shown;
    ExpectMessage(&shown);
    ChooseRowMenuEntry(m_window, 3, 1);
    QTRY_COMPARE_WITH_TIMEOUT(shown, QString("Success!"), 5000);

    QCOMPARE(Names().at(3), QString("handover call.wav"));
    QCOMPARE(Names().at(4), NorthName(4));
    QCOMPARE(DatabaseRowCount(QString("where FileName = 'handover call.wav' and FilePath = '%1'")
                                  .arg(North("handover call.wav"))),
             1);
    QCOMPARE(DatabaseRowCount(), kNorthCount);
    m_expected.insert("north/handover call.wav", m_expected.take("north/" + NorthName(3)));
    VerifyArchiveAsExpected();
}

void TestUserJourney::deletesTwoCheckedRowsAfterConfirming()
{
    ClickCheckCell(m_window, 0);
    QCOMPARE(Text("ledt_SelectCount"), QString("2"));
    AnswerModal("MessageTip", [](QDialog *dialog) {
        Click(dialog->findChild<QPushButton *>("pbtn_OK"));
    });
    Click(Button("pbtn_Del"));

    QTRY_COMPARE_WITH_TIMEOUT(DatabaseRowCount(), kNorthCount - 2, 5000);
    // The page keeps its other rows and their numbers.
    QCOMPARE(Names().size(), 198);
    QCOMPARE(Names().mid(0, 3), QStringList({NorthName(0), "handover call.wav", NorthName(4)}));
    QCOMPARE(TableColumn(m_window, 1).mid(0, 2), QStringList({"1", "4"}));
    QCOMPARE(Text("ledt_SelectCount"), QString("0"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 0);
    m_expected.remove("north/" + NorthName(1));
    m_expected.remove("north/" + NorthName(2));
    VerifyArchiveAsExpected();
}

void TestUserJourney::removesTreeItem()
{
    QTreeWidgetItem *root = TopLevelItem(m_window, 0);
    RemoveTreeItem(m_window, ChildNamed(root, "south"));
    QTRY_VERIFY_WITH_TIMEOUT(!ChildNamed(root, "south"), 5000);
    QVERIFY(ChildNamed(root, "north"));
    // The listed folder was not removed: its listing stays.
    QCOMPARE(Names().size(), 198);
    QCOMPARE(DatabaseRowCount(), kNorthCount - 2);
    QVERIFY(QFileInfo(m_archive.filePath("south/s0.wav")).isFile());
    VerifyArchiveAsExpected();
}

void TestUserJourney::switchesToChinese()
{
    ChoosePopupPath({"Language", "中文"});
    Click(Button("pbtn_Setting"));
    QTRY_COMPARE_WITH_TIMEOUT(Button("pbtn_Search")->text(), QString("查询"), 5000);
    QCOMPARE(Button("pbtn_Del")->text(), QString("删除"));
    QCOMPARE(Button("pbtn_ImportFile")->text(), QString("导入"));
    // The page is read again in the new language.
    QCOMPARE(Text("label_Page"), QString("1/2"));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Names().mid(0, 3), QStringList({NorthName(0), "handover call.wav", NorthName(4)}));
    const QSettings settings(QCoreApplication::applicationDirPath() + "/Settings.ini",
                             QSettings::IniFormat);
    QCOMPARE(settings.allKeys().size(), 1);
    QCOMPARE(settings.value(settings.allKeys().first()).toString(), QString("0804"));
}

void TestUserJourney::closingRemovesWorkingDatabase()
{
    Click(Button("pbtn_Close"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window || !m_window->isVisible(), 5000);
    delete m_window;
    QVERIFY(!QFile::exists(m_databaseFile));
    VerifyArchiveAsExpected();
}

int main(int argc, char *argv[])
{
    // fakesink renders as fast as it can, so a recording would end before the
    // test sees it play; appsink keeps to the clock like a sound card.
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "appsink");
    QApplication application(argc, argv);
    TestUserJourney test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_journey.moc"
