// Hostile input through the real window: links, FIFOs, files changed behind
// the program's back and control marks in names.
// Every case checks that SaveViewDisp holds exactly the recordings the files
// justify and that no file the user did not ask to change was changed (the
// snapshot of the archive taken before, compared after).

#include "app/mainwindow.h"
#include "records/recordingexport.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

// Changes entries at or beside the path; false when it cannot.
using Change = std::function<bool(const QString &path)>;
Q_DECLARE_METATYPE(Change)

namespace {

// The files of SaveViewDisp's rows, relative to root, sorted; a row whose
// name is not its file's reads "name | path".
QStringList ListedRows(const QString &root)
{
    QSqlQuery query(QStringLiteral("select FileName, FilePath from SaveViewDisp"));
    QStringList rows;
    while (query.next()) {
        const QString name = query.value(0).toString();
        const QString path = query.value(1).toString().remove(0, root.size() + 1);
        rows << (path.section('/', -1) == name ? path : name + " | " + path);
    }
    rows.sort();
    return rows;
}

// A recording starting at 2024-03-07 09:<minute>:03.
RecordingFields CallAt(int minute)
{
    RecordingFields fields;
    fields.minute = quint8(minute);
    return fields;
}

} // namespace

class TestHostileInputs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linksAndFifos_data();
    void linksAndFifos();
    void fileChangedAfterListing_data();
    void fileChangedAfterListing();
    void longExportShowsProgressAndStops();
    void manifestNotWritten();
    void controlMarksShownVisibly_data();
    void controlMarksShownVisibly();
    void namesTheCodecCannotCarry_data();
    void namesTheCodecCannotCarry();

private:
    QString Archive(const QString &relative) const { return m_archive->filePath(relative); }
    QString Root() const { return m_archive->path(); }
    QStringList Names() { return TableColumn(m_window.get(), 2); }
    // Writes recordings a minute apart, with pcm, opens a window, imports the
    // folder and lists it through a click on its tree item.
    void ListRecordings(const QStringList &names, const QString &folder = {}, const QByteArray &pcm = {})
    {
        for (int i = 0; i < names.size(); ++i) {
            RecordingFields fields = CallAt(i);
            fields.pcm = pcm;
            QVERIFY(WriteRecording(Archive(names[i]), fields));
        }
        m_before = Snapshot(Root());
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        ImportPath(m_window.get(), folder.isEmpty() ? Root() : folder);
        ClickTreeItem(TopLevelItem(m_window.get(), 0));
    }

    std::unique_ptr<QTemporaryDir> m_archive;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_before; // the archive's snapshot before the window changes anything
};

void TestHostileInputs::init()
{
    m_archive = std::make_unique<QTemporaryDir>();
}

// Unless the test failed, the window is still up and the archive unchanged.
void TestHostileInputs::cleanup()
{
    if (!QTest::currentTestFailed()) {
        QVERIFY(m_window->isVisible());
        QCOMPARE(TakeMessages(), QStringList());
        QCOMPARE(Snapshot(Root()), m_before);
    }
    TakeMessages();
    m_window.reset();
}

void TestHostileInputs::linksAndFifos_data()
{
    QTest::addColumn<QStringList>("entries"); // "link -> target" or "FIFO |", below rec
    QTest::addColumn<QStringList>("children"); // the tree items below rec
    QTest::addColumn<QStringList>("listed"); // below rec

    const QStringList folders{"a", "sub"};
    const QStringList own{"a/x.wav", "sub/z.wav", "y.wav"}; // listed in name order
    QTest::newRow("link back to the scanned folder") << QStringList{"a/back -> rec"} << folders << own;
    QTest::newRow("link up to the folder holding it") << QStringList{"up -> ."} << folders << own;
    QTest::newRow("link to a sibling that sorts first") << QStringList{"alink -> rec/sub"} << folders << own;
    QTest::newRow("dangling links") << QStringList{"gone -> missing", "g.wav -> m.wav"} << folders << own;
    QTest::newRow("link to a folder outside")
        << QStringList{"ext -> outside"} << QStringList{"a", "ext", "sub"} << QStringList{"a/x.wav", "ext/o.wav", "sub/z.wav", "y.wav"};
    QTest::newRow("two links to one folder outside")
        << QStringList{"ext1 -> outside", "ext2 -> outside"} << QStringList{"a", "ext1", "sub"}
        << QStringList{"a/x.wav", "ext1/o.wav", "sub/z.wav", "y.wav"};
    QTest::newRow("link to a recording") << QStringList{"l.wav -> rec/y.wav"} << folders << QStringList{"a/x.wav", "l.wav", "sub/z.wav", "y.wav"};
    QTest::newRow("FIFO named like a recording") << QStringList{"f.wav |"} << folders << own;
}

// A real folder is walked under its own name, by the tree and by the scan;
// a link is followed only into what the walk does not cover, and never onto
// the way down to it. A scan that opened a FIFO to read it would wait for a
// writer for good (and QtTest's watchdog would fail the test).
void TestHostileInputs::linksAndFifos()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, children);
    QFETCH(QStringList, listed);
    QVERIFY(WriteRecording(Archive("outside/o.wav"), CallAt(9)));
    QVERIFY(QDir().mkpath(Archive("rec/a")) && QDir().mkpath(Archive("rec/sub")));
    for (const QString &entry : entries) {
        const QString path = Archive("rec/" + entry.section(' ', 0, 0));
        QVERIFY(entry.endsWith('|') ? MakeEntry("fifo", path) : QFile::link(Archive(entry.section(" -> ", 1)), path));
    }
    ListRecordings({"rec/y.wav", "rec/a/x.wav", "rec/sub/z.wav"}, Archive("rec"));
    QTreeWidgetItem *top = TopLevelItem(m_window.get(), 0);
    QCOMPARE(ChildTexts(top), children);
    for (int i = 0; i < top->childCount(); ++i)
        QCOMPARE(ChildTexts(top->child(i)), QStringList());
    QCOMPARE(ListedRows(Archive("rec")), listed);
}

void TestHostileInputs::fileChangedAfterListing_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("action"); // on b.wav's row; "raced": b.wav changed after the check
    QTest::addColumn<QString>("argument"); // the new name, or where to export (in the archive)
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("movedTo"); // where b.wav went on the user's request; empty: removed
    QTest::addColumn<QStringList>("exported");

    // Listed: a.wav, b.wav, c.wav; b.wav changes on disk, then the user acts
    // on its row (and, for export, on c.wav's too).
    const QStringList all{"a.wav", "b.wav", "c.wav"};
    const QStringList withoutB{"a.wav", "c.wav"};
    const QStringList none;
    const QStringList taken{"File name exists, please re-modify!"};
    const QStringList partial{"Only some files export successfully, please check!"};
    const Change deleted = [](const QString &b) { return QFile::remove(b); };
    const Change replaced = [](const QString &b) { return WriteRecording(b, CallAt(30)); };
    const Change movedAway = [](const QString &b) { return QFile::rename(b, b + ".moved.wav"); };
    const Change cDeleted = [](const QString &b) { return QFile::remove(QFileInfo(b).path() + "/c.wav"); };
    const Change fifo = [](const QString &b) { return QFile::remove(b) && MakeEntry("fifo", b); };
    const Change link = [](const QString &b) { return QFile::link(b + ".gone", QFileInfo(b).path() + "/x.wav"); };
    QTest::newRow("deleted, played") << deleted << "play" << "" << QStringList{"Invalid File: b.wav"} << all << "b.wav" << none;
    QTest::newRow("deleted, exported with c.wav") << deleted << "export" << "" << partial << all << "b.wav" << QStringList{"c.wav"};
    QTest::newRow("deleted, deleted by the user") << deleted << "delete" << "" << none << withoutB << "b.wav" << none;
    QTest::newRow("replaced, deleted by the user") << replaced << "delete" << "" << none << withoutB << "" << none;
    QTest::newRow("deleted, renamed") << deleted << "rename" << "fresh" << QStringList{"Fail to rename!"} << all << "b.wav" << none;
    QTest::newRow("moved away, renamed to its new name") << movedAway << "rename" << "b.wav.moved" << taken << all << "b.wav" << none;
    QTest::newRow("c.wav deleted, renamed onto its listed name") << cDeleted << "rename" << "c" << taken << all << "b.wav" << none;
    QTest::newRow("replaced, renamed") << replaced << "rename" << "fresh" << QStringList{"Success!"}
                                       << QStringList{"a.wav", "fresh.wav", "c.wav"} << "fresh.wav" << none;
    QTest::newRow("replaced, exported with c.wav") << replaced << "export" << "" << QStringList{"Success!"} << all << "b.wav" << QStringList(all.mid(1));
    QTest::newRow("replaced, exported into a.wav") << replaced << "export" << "a.wav" << QStringList{"Path error or can't write!"} << all << "b.wav" << none;
    QTest::newRow("a dangling link of the new name made after the check")
        << link << "rename raced" << "x" << QStringList{"Fail to rename!"} << all << "b.wav" << none;
    QTest::newRow("swapped for a FIFO after the check, exported with c.wav")
        << fifo << "export raced" << "" << partial << all << "b.wav" << QStringList{"c.wav"};
    QTest::newRow("deleted after the check, exported with c.wav")
        << deleted << "export raced" << "" << partial << all << "b.wav" << QStringList{"c.wav"};
}

void TestHostileInputs::fileChangedAfterListing()
{
    QFETCH(Change, change);
    QFETCH(QString, action);
    QFETCH(QString, argument);
    QFETCH(QString, movedTo);
    QFETCH(QStringList, exported);
    ListRecordings({"a.wav", "b.wav", "c.wav"});
    const std::function<void()> changeB = [&] {
        QVERIFY(change(Archive("b.wav")));
        m_before = Moved(Snapshot(Root()), "b.wav", movedTo);
    };
    const std::function<void()> raced = action.endsWith("raced") ? changeB : nullptr;
    if (!raced)
        changeB();
    QTemporaryDir out;
    if (action == "play")
        ChooseRowMenuEntry(m_window.get(), 1, "Play");
    if (action.startsWith("rename"))
        RenameRow(m_window.get(), 1, argument, raced);
    if (action.startsWith("export") || action == "delete")
        ClickCell(m_window.get(), 1);
    if (action == "delete")
        DeleteChecked(m_window.get());
    if (action.startsWith("export")) {
        ClickCell(m_window.get(), 2);
        ExportTo(m_window.get(), argument.isEmpty() ? out.path() : Archive(argument), raced);
    }
    QTEST(TakeMessages(), "messages");
    QVERIFY(!IsPlayingShown(m_window.get()));
    QStringList names = Names();
    QTEST(names, "names");
    names.sort();
    QCOMPARE(ListedRows(Root()), names);
    QCOMPARE(DatabaseRowCount("where FileCheck = 1"), action.startsWith("export") ? 2 : 0);
    QStringList copies;
    for (const QString &name : exported)
        copies << name + " " + ContentHash(Archive(name));
    QStringList written;
    for (const QFileInfo &copy : QDir(out.path()).entryInfoList({"*.wav", ".*"}, QDir::Files | QDir::Hidden | QDir::System))
        written << copy.fileName() + " " + ContentHash(copy.filePath());
    QCOMPARE(written, copies);
}

// Each copy is slowed down, so that the export outlasts half a second: its
// progress shows, and Cancel ends it at the first check of the copy under way
// that sees it, that copy removed; the manifest lists the copy made and the
// others as cancelled.
void TestHostileInputs::longExportShowsProgressAndStops()
{
    ListRecordings({"a.wav", "b.wav", "c.wav"}, {}, QByteArray(4 << 20, '\x01'));
    ClickButton(m_window.get(), "pbtn_SelectAll");
    std::atomic<int> stopsSeen{0}; // the copy's checks that found the stop asked for
    m_window->SetRecordingCopier([&](const QString &source, const QString &dir, const QString &name,
                                     const StopRequest &stopRequested) {
        return CopyRecording(source, dir, name, [&] {
            QThread::msleep(20);
            return stopRequested() && ++stopsSeen;
        });
    });
    QTemporaryDir out;
    AnswerModal("TipDlg", [](QDialog *dialog) {
        auto *label = dialog->findChild<QLabel *>("label_Tip");
        if (WaitUntil([label] { return label->text().endsWith("1/3"); }, "no progress 1/3"))
            QCOMPARE(label->text(), QString("Exporting, please wait... 1/3"));
        dialog->findChild<QPushButton *>("pbtn_TipWndCancel")->click();
    }, [&] { ExportTo(m_window.get(), out.path()); });
    QCOMPARE(int(stopsSeen), 1);
    QCOMPARE(TakeMessages(), QStringList{"Only some files export successfully, please check!"});
    const QStringList written = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(written.join(' ').remove(QRegularExpression("\\d{8}-\\d{6}")), QString("a.wav export-.manifest.csv export-.sha256"));
    QCOMPARE(ContentHash(out.filePath("a.wav")), ContentHash(Archive("a.wav")));
    QFile manifest(out.filePath(written[1]));
    QVERIFY(manifest.open(QIODevice::ReadOnly)); // the first and last field of each line
    QCOMPARE(QString(manifest.readAll()).replace(QRegularExpression(",.*,"), " "), QString("exported_name result\r\na.wav copied\r\n cancelled\r\n cancelled\r\n"));
}

// The export's folder moved away after the copy: no manifest, a partial export.
void TestHostileInputs::manifestNotWritten()
{
    ListRecordings({"a.wav"});
    ClickButton(m_window.get(), "pbtn_SelectAll");
    QTemporaryDir parent;
    const QString out = parent.filePath("out"), moved = parent.filePath("moved");
    m_window->SetRecordingCopier([&](const QString &source, const QString &dir, const QString &name,
                                     const StopRequest &stopRequested) {
        const std::optional<CopiedFile> copy = CopyRecording(source, dir, name, stopRequested);
        QDir().rename(out, moved);
        return copy;
    });
    QVERIFY(QDir().mkdir(out));
    ExportTo(m_window.get(), out);
    QCOMPARE(TakeMessages(), QStringList{"Only some files export successfully, please check!"});
    QCOMPARE(QDir(moved).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), QStringList{"a.wav"});
}

void TestHostileInputs::controlMarksShownVisibly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("right-to-left override") << "\u202Ertl.wav" << "\uFFFDrtl.wav";
    QTest::newRow("bell, line feed, delete") << "a\ab\nc\x7F.wav" << "a\uFFFDb\uFFFDc\uFFFD.wav";
    QTest::newRow("isolates and a mark") << "\u2066x\u2069\u200F.wav" << "\uFFFDx\uFFFD\uFFFD.wav";
}

// The table, the player's name label, the rename dialog's field and the
// message of a file gone show the marks; the record, and a rename that
// leaves the field as shown, keep the name.
void TestHostileInputs::controlMarksShownVisibly()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    ListRecordings({name}, {}, SinePcm(3000));
    QCOMPARE(Names(), QStringList{shown});
    ClickCell(m_window.get(), 0, 2, true);
    QTRY_COMPARE_WITH_TIMEOUT(WidgetText(m_window.get(), "label_WavFileName"), shown, kWaitMs);
    ClickButton(m_window.get(), "pbtn_PlayorPause");
    QCOMPARE(RenameRow(m_window.get(), 0, QString()), shown.chopped(4));
    QCOMPARE(ListedRows(Root()), QStringList{name});
    QVERIFY(QFile::remove(Archive(name)));
    m_before = Snapshot(Root());
    ChooseRowMenuEntry(m_window.get(), 0, "Play");
    QCOMPARE(TakeMessages(), QStringList{"Invalid File: " + shown});
}

void TestHostileInputs::namesTheCodecCannotCarry_data()
{
    QTest::addColumn<QByteArray>("unlisted"); // a recording's path whose name the codec cannot carry
    QTest::addColumn<QString>("lookAlike"); // the path it decodes to, a recording of its own

    QTest::newRow("not UTF-8") << QByteArray("a\xff.wav") << "a\uFFFD.wav";
    QTest::newRow("a leading byte-order mark") << QByteArray("\xef\xbb\xbfx.wav") << "x.wav";
    QTest::newRow("a folder not UTF-8") << QByteArray("d\xff/y.wav") << "d\uFFFD/y.wav";
}

// The entry is left out and said, never listed under its look-alike's name;
// the look-alike is listed once, with its own call, and Delete of its row
// removes that file alone.
void TestHostileInputs::namesTheCodecCannotCarry()
{
    QFETCH(QByteArray, unlisted);
    QFETCH(QString, lookAlike);
    const QByteArray path = QFile::encodeName(Root()) + '/' + unlisted;
    RecordingFields call = CallAt(30);
    call.callingID = 4242;
    const QByteArray bytes = RecordingBytes(call);
    if (unlisted.contains('/'))
        QCOMPARE(::mkdir(path.left(path.lastIndexOf('/')).constData(), 0700), 0);
    std::FILE *file = std::fopen(path.constData(), "wbx");
    QVERIFY(file && std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size()));
    QCOMPARE(std::fclose(file), 0);
    ListRecordings({lookAlike});
    QCOMPARE(TakeMessages(), QStringList{"1 entries left out: their names are not valid!"});
    QCOMPARE(ListedRows(Root()), QStringList{lookAlike});
    QCOMPARE(DatabaseRowCount("where CallingID = 1001"), 1);
    ClickCell(m_window.get(), 0);
    DeleteChecked(m_window.get());
    QCOMPARE(Names(), QStringList());
    QVERIFY(!QFileInfo::exists(Archive(lookAlike)));
    QFile left;
    QVERIFY(left.open(std::fopen(path.constData(), "rb"), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(left.readAll(), bytes);
    QCOMPARE(::unlink(path.constData()), 0); // QTemporaryDir cannot name it either
    if (unlisted.contains('/'))
        QCOMPARE(::rmdir(path.left(path.lastIndexOf('/')).constData()), 0);
    m_before = Snapshot(Root()); // a snapshot cannot name the unlisted entry: checked by its bytes
}

OVELIA_WINDOW_TEST_MAIN(TestHostileInputs)
#include "tst_hostileinputs.moc"
