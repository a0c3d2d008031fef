#include "app/appresources.h"
#include "app/mainwindow.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Recording i starts i minutes after 2024-03-07 09:00, named r<iii>.wav.
QString RecordingName(int i)
{
    return QStringLiteral("r%1.wav").arg(i, 3, 10, QLatin1Char('0'));
}

RecordingFields FieldsOf(int i)
{
    RecordingFields fields;
    fields.hour = quint8(9 + i / 60);
    fields.minute = quint8(i % 60);
    fields.second = 0;
    return fields;
}

void DoubleClickRow(MainWindow *window, int row)
{
    auto *table = window->findChild<QTableView *>("tableView");
    const QRect cell = table->visualRect(table->model()->index(row, 2));
    // A person's double click: a click, then the second press as a double click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

bool IsPlayingShown(MainWindow *window)
{
    return window->findChild<QPushButton *>("pbtn_PlayorPause")->styleSheet().contains("SoundPause");
}

} // namespace

class TestMainWindowRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesThroughListing();
    void emptyListingHasOnePage();
    void searchRefusesStartAfterEnd();
    void searchFilters_data();
    void searchFilters();
    void checkMarksSelectAllAndInvert();
    void deleteReportsRefusedRemoval();
    void playsRowsAndRefusesListChangesWhilePlaying();
    void stepsThroughCheckedRowsOnly();

private:
    void Load(int count, const std::function<void(int, RecordingFields &)> &adjust = {});
    QStringList Names() { return TableColumn(m_window, 2); }

    MainWindow *m_window = nullptr;
    QTemporaryDir *m_archive = nullptr;
};

void TestMainWindowRecords::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
}

void TestMainWindowRecords::init()
{
    m_archive = new QTemporaryDir;
    m_window = new MainWindow;
    m_window->show();
}

void TestMainWindowRecords::cleanup()
{
    delete m_window;
    delete m_archive;
}

// Writes count recordings into the archive, imports it and lists it.
void TestMainWindowRecords::Load(int count, const std::function<void(int, RecordingFields &)> &adjust)
{
    for (int i = 0; i < count; ++i) {
        RecordingFields fields = FieldsOf(i);
        fields.pcm = SinePcm(1500);
        if (adjust)
            adjust(i, fields);
        QVERIFY(WriteRecording(m_archive->filePath(RecordingName(i)), fields));
    }
    ImportPath(m_window, m_archive->path());
    ClickTreeItem(m_window, TopLevelItem(m_window, 0));
}

void TestMainWindowRecords::pagesThroughListing()
{
    Load(450);
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/3"));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(Names().first(), RecordingName(0));

    ClickButton(m_window, "pbtn_NextPage");
    ClickButton(m_window, "pbtn_NextPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("3/3"));
    const QStringList numbers = TableColumn(m_window, 1);
    QCOMPARE(numbers.size(), 50);
    QCOMPARE(numbers.first(), QString("1"));
    QCOMPARE(numbers.last(), QString("50"));
    QCOMPARE(Names().first(), RecordingName(400));

    ClickButton(m_window, "pbtn_NextPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("3/3"));

    auto *field = m_window->findChild<QLineEdit *>("ledt_CurrentPage");
    field->setText("4");
    ClickButton(m_window, "pbtn_Confirm");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("3/3"));
    QCOMPARE(field->text(), QString("4"));

    field->setText("2");
    ClickButton(m_window, "pbtn_Confirm");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("2/3"));
    QCOMPARE(Names().first(), RecordingName(200));

    ClickButton(m_window, "pbtn_FirstPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/3"));
    ClickButton(m_window, "pbtn_PrePage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/3"));
    ClickButton(m_window, "pbtn_LastPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("3/3"));
}

void TestMainWindowRecords::emptyListingHasOnePage()
{
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/1"));
    QCOMPARE(WidgetText(m_window, "ledt_CurrentPage"), QString("1"));
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("0"));
    ClickButton(m_window, "pbtn_NextPage");
    ClickButton(m_window, "pbtn_LastPage");
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/1"));
    QCOMPARE(Names(), QStringList());
}

void TestMainWindowRecords::searchRefusesStartAfterEnd()
{
    Load(3);
    auto *begin = m_window->findChild<QDateEdit *>("dateEdit_Begin");
    auto *end = m_window->findChild<QDateEdit *>("dateEdit_End");
    begin->setDate(QDate(2024, 3, 8));
    end->setDate(QDate(2024, 3, 7));
    QString shown;
    ExpectMessage(&shown);
    ClickButton(m_window, "pbtn_Search");
    QCOMPARE(shown, QString("Start time is greater than the end time!"));
    QCOMPARE(Names().size(), 3);
}

void TestMainWindowRecords::searchFilters_data()
{
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("callType");
    QTest::addColumn<int>("recordType");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("names");

    // r000..r005: r001 a group call, r002 a live record, r003 has calling ID 7,
    // r004 a private call on channel type 1.
    const QString all = "2024-03-07 00:00:00";
    const QString later = "2024-03-07 23:59:59";
    QTest::newRow("everything") << all << later << 0 << 0 << "" << ""
                                << QStringList({"r000.wav", "r001.wav", "r002.wav", "r003.wav",
                                                "r004.wav", "r005.wav"});
    QTest::newRow("time window, both ends included")
        << "2024-03-07 09:01:00" << "2024-03-07 09:03:00" << 0 << 0 << "" << ""
        << QStringList({"r001.wav", "r002.wav", "r003.wav"});
    QTest::newRow("start equals end") << "2024-03-07 09:04:00" << "2024-03-07 09:04:00" << 0 << 0
                                      << "" << "" << QStringList({"r004.wav"});
    QTest::newRow("group calls") << all << later << 2 << 0 << "" << ""
                                 << QStringList({"r001.wav"});
    QTest::newRow("live records") << all << later << 0 << 2 << "" << ""
                                  << QStringList({"r002.wav"});
    QTest::newRow("ID") << all << later << 0 << 0 << "7" << "" << QStringList({"r003.wav"});
    QTest::newRow("keyword") << all << later << 0 << 0 << "" << "05" << QStringList({"r005.wav"});
    QTest::newRow("keyword with LIKE pattern") << all << later << 0 << 0 << "" << "r00_"
                                               << QStringList({"r000.wav", "r001.wav", "r002.wav",
                                                               "r003.wav", "r004.wav", "r005.wav"});
}

void TestMainWindowRecords::searchFilters()
{
    QFETCH(QString, begin);
    QFETCH(QString, end);
    QFETCH(int, callType);
    QFETCH(int, recordType);
    QFETCH(QString, id);
    QFETCH(QString, keyword);
    QFETCH(QStringList, names);

    Load(6, [](int i, RecordingFields &fields) {
        fields.recordType = 2;
        fields.callType = 2;
        fields.channelType = 2;
        if (i == 1)
            fields.callType = 1;
        if (i == 2)
            fields.recordType = 1;
        if (i == 3)
            fields.callingID = 7;
        if (i == 4) {
            fields.callType = 0;
            fields.channelType = 1;
        }
    });
    const QDateTime from = QDateTime::fromString(begin, "yyyy-MM-dd hh:mm:ss");
    const QDateTime to = QDateTime::fromString(end, "yyyy-MM-dd hh:mm:ss");
    m_window->findChild<QDateEdit *>("dateEdit_Begin")->setDate(from.date());
    m_window->findChild<QTimeEdit *>("timeEdit_Begin")->setTime(from.time());
    m_window->findChild<QDateEdit *>("dateEdit_End")->setDate(to.date());
    m_window->findChild<QTimeEdit *>("timeEdit_End")->setTime(to.time());
    m_window->findChild<QComboBox *>("comBox_CallType")->setCurrentIndex(callType);
    m_window->findChild<QComboBox *>("comBox_RecordType")->setCurrentIndex(recordType);
    m_window->findChild<QLineEdit *>("ledt_ID")->setText(id);
    m_window->findChild<QLineEdit *>("ledt_KeyWord")->setText(keyword);
    ClickButton(m_window, "pbtn_Search");
    QCOMPARE(Names(), names);
    QCOMPARE(WidgetText(m_window, "label_Page"), QString("1/1"));
}

void TestMainWindowRecords::checkMarksSelectAllAndInvert()
{
    Load(10);
    for (int row : {0, 4, 9})
        ClickCheckCell(m_window, row);
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("3"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 3);
    ClickCheckCell(m_window, 4);
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("2"));

    ClickButton(m_window, "pbtn_ReverseSelect");
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("8"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 8);

    ClickButton(m_window, "pbtn_SelectAll");
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("10"));
    ClickButton(m_window, "pbtn_SelectAll");
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("10"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 10);

    ClickButton(m_window, "pbtn_ReverseSelect");
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("0"));
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), 0);
}

void TestMainWindowRecords::deleteReportsRefusedRemoval()
{
    Load(3);
    ClickCheckCell(m_window, 0);
    ClickCheckCell(m_window, 2);
    // A folder now stands where the listed file was: it cannot be removed as a file.
    const QString blocked = m_archive->filePath(RecordingName(2));
    QVERIFY(QFile::remove(blocked));
    QVERIFY(QDir().mkpath(blocked + "/inside"));

    AnswerModal("MessageTip", [](QDialog *dialog) {
        dialog->findChild<QPushButton *>("pbtn_OK")->click();
    });
    QString shown;
    ExpectMessage(&shown);
    ClickButton(m_window, "pbtn_Del");
    QTRY_COMPARE_WITH_TIMEOUT(shown, QString("Only some files were deleted, please check!"), 5000);
    QCOMPARE(Names(), QStringList({"r001.wav", "r002.wav"}));
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("1"));
    QCOMPARE(DatabaseRowCount(), 2);
    QVERIFY(QFileInfo(blocked).isDir());
}

void TestMainWindowRecords::playsRowsAndRefusesListChangesWhilePlaying()
{
    Load(3, [](int, RecordingFields &fields) { fields.pcm = SinePcm(20000); });
    DoubleClickRow(m_window, 1);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingShown(m_window), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(WidgetText(m_window, "label_WavFileName"), RecordingName(1), 5000);

    ClickCheckCell(m_window, 0);
    ClickButton(m_window, "pbtn_SelectAll");
    ClickButton(m_window, "pbtn_ClearList");
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("0"));
    QCOMPARE(Names().size(), 3);

    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    ClickCheckCell(m_window, 0);
    QCOMPARE(WidgetText(m_window, "ledt_SelectCount"), QString("1"));
    QCOMPARE(WidgetText(m_window, "label_SoundPlayProcessAndTimeLen"), QString("00:00:00/00:00:00"));

    ClickButton(m_window, "pbtn_Volume");
    QCOMPARE(m_window->findChild<QSlider *>("hs_SoundVolume")->value(), 0);
    ClickButton(m_window, "pbtn_Volume");
    QCOMPARE(m_window->findChild<QSlider *>("hs_SoundVolume")->value(), 50);
}

void TestMainWindowRecords::stepsThroughCheckedRowsOnly()
{
    Load(5, [](int, RecordingFields &fields) { fields.pcm = SinePcm(20000); });
    for (int row : {0, 2, 3})
        ClickCheckCell(m_window, row);
    auto playing = [this] { return WidgetText(m_window, "label_WavFileName"); };

    DoubleClickRow(m_window, 2);
    QTRY_COMPARE_WITH_TIMEOUT(playing(), RecordingName(2), 5000);
    ClickButton(m_window, "pbtn_NextSound");
    QTRY_COMPARE_WITH_TIMEOUT(playing(), RecordingName(3), 5000);
    ClickButton(m_window, "pbtn_NextSound");
    QTest::qWait(200);
    QCOMPARE(playing(), RecordingName(3));
    ClickButton(m_window, "pbtn_PreSound");
    ClickButton(m_window, "pbtn_PreSound");
    QTRY_COMPARE_WITH_TIMEOUT(playing(), RecordingName(0), 5000);
    QVERIFY(IsPlayingShown(m_window));

    ClickButton(m_window, "pbtn_PlayorPause");
    QTRY_VERIFY_WITH_TIMEOUT(!IsPlayingShown(m_window), 5000);
    DoubleClickRow(m_window, 4);
    QTRY_COMPARE_WITH_TIMEOUT(playing(), RecordingName(4), 5000);
    ClickButton(m_window, "pbtn_PreSound");
    QTest::qWait(200);
    QCOMPARE(playing(), RecordingName(4));
}

int main(int argc, char *argv[])
{
    // fakesink renders as fast as it can, so a recording would end before the
    // test sees it play; appsink keeps to the clock like a sound card.
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "appsink");
    QApplication application(argc, argv);
    TestMainWindowRecords test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow_records.moc"
