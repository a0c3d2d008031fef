// Hostile input: odd names, odd sizes, links, special files, files changed
// behind the program's back and typed query syntax. Every case checks that
// the program keeps running, that SaveViewDisp holds exactly the recordings
// the files justify, and that no file the user did not ask to change was
// changed (size, modification time and content of every entry below the
// fixture folders, taken before and compared after).

#include "app/appresources.h"
#include "app/mainwindow.h"
#include "import/operathread.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"
#include "tests/support/windowdriver.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <memory>

namespace {

constexpr int kJobTimeoutMs = 20000;
// Shorter than the job timeout: a scan stuck on a FIFO is released in time.
constexpr int kFifoPatienceMs = 10000;
const QFile::Permissions kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

enum class DiskChange { Untouched, Deleted, MovedAway, Replaced };
enum class UserAction { Play, Export, Rename, Delete };
enum class ExportTarget { RegularFile, FolderOfSameName, DanglingLink, LinkToFile, SourceFolder };
enum class Obstacle { DanglingLink, LinkToRecording, UnreadableFile, UnreadableFolder };

} // namespace

Q_DECLARE_METATYPE(DiskChange)
Q_DECLARE_METATYPE(UserAction)
Q_DECLARE_METATYPE(ExportTarget)
Q_DECLARE_METATYPE(Obstacle)

namespace {

QString ContentHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

// Links are described, never followed; FIFOs and other special files are
// never opened.
QString EntryLine(const QDir &root, const QFileInfo &entry)
{
    const QString relative = root.relativeFilePath(entry.filePath());
    if (entry.isSymLink())
        return relative + QStringLiteral(" -> ") + entry.symLinkTarget();
    if (entry.isDir())
        return relative + QLatin1Char('/');
    if (!entry.isFile())
        return relative + QStringLiteral(" (special file)");
    return QStringLiteral("%1 %2 bytes, modified %3, %4")
        .arg(relative)
        .arg(entry.size())
        .arg(entry.lastModified().toMSecsSinceEpoch())
        .arg(ContentHash(entry.filePath()));
}

// One line per entry below root, sorted.
QStringList Snapshot(const QString &root)
{
    QStringList lines;
    const QDir::Filters everything =
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QDirIterator entries(root, everything, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        lines << EntryLine(QDir(root), entries.fileInfo());
    }
    lines.sort();
    return lines;
}

// The snapshot with the entry `from` renamed to `to`, or removed for an
// empty `to`: what a rename or a removal on the user's request leaves.
QStringList Moved(QStringList snapshot, const QString &from, const QString &to)
{
    const QString prefix = from + QLatin1Char(' ');
    for (QString &line : snapshot) {
        if (line.startsWith(prefix))
            line = to.isEmpty() ? QString() : to + line.mid(from.size());
    }
    snapshot.removeAll(QString());
    snapshot.sort();
    return snapshot;
}

QStringList Sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

QString RowText(const QString &fileName, const QString &filePath)
{
    return fileName + QStringLiteral(" | ") + filePath;
}

// FileName and FilePath of every row of SaveViewDisp of the default
// connection, sorted.
QStringList ListedRows()
{
    QSqlQuery query(QStringLiteral("select FileName, FilePath from SaveViewDisp"));
    QStringList rows;
    while (query.next())
        rows << RowText(query.value(0).toString(), query.value(1).toString());
    return Sorted(rows);
}

QStringList RowsIn(const QString &folder, const QStringList &names)
{
    QStringList rows;
    for (const QString &name : names)
        rows << RowText(name, folder + QLatin1Char('/') + name);
    return Sorted(rows);
}

// The lines of from that are not in taken, each line counted as often as it
// occurs.
QStringList Minus(QStringList from, const QStringList &taken)
{
    for (const QString &line : taken)
        from.removeOne(line);
    return from;
}

// A call record starting at 2024-03-07 09:<minute>:00, so that listings
// ordered by start time follow the minute.
RecordingFields CallAt(int minute)
{
    RecordingFields fields;
    fields.minute = quint8(minute);
    fields.second = 0;
    fields.recordType = 2;
    fields.callType = 2;
    fields.channelType = 2;
    return fields;
}

QStringList ChildTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

bool IsPlayingShown(MainWindow *window)
{
    const auto *button = window->findChild<QPushButton *>("pbtn_PlayorPause");
    return button->styleSheet().contains("SoundPause");
}

// Notes the text of every one-button message shown while it lives, in
// order, and answers each with its button.
class MessageLog : public QObject
{
public:
    MessageLog() { qApp->installEventFilter(this); }
    ~MessageLog() override { qApp->removeEventFilter(this); }

    QStringList Texts() const { return m_texts; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->inherits("MsgTipWidthSingleBtn")) {
            m_texts << watched->findChild<QLabel *>("label_MsgWithSingleBtnWndText")->text();
            auto *button = watched->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtnRes");
            QTimer::singleShot(0, button, &QPushButton::click);
        }
        return false;
    }

private:
    QStringList m_texts;
};

// The end signals of a worker as the GUI thread receives them.
class WorkerEnds : public QObject
{
public:
    explicit WorkerEnds(OperaThread *worker)
    {
        connect(worker, &OperaThread::EndFindWav, this, [this] { ++m_scans; });
    }
    int Scans() const { return m_scans; }

private:
    int m_scans = 0;
};

#ifdef Q_OS_UNIX
// Opening a FIFO for reading blocks until a writer appears. The watchdog
// plays that writer once its patience has run out, so that a scan stuck in
// the open ends and the test fails instead of hanging the suite.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(const QString &fifo)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this, fifo] {
            m_fired = true;
            const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        });
        m_timer.start(kFifoPatienceMs);
    }
    bool Fired() const { return m_fired; }

private:
    QTimer m_timer;
    bool m_fired = false;
};

bool MakeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}
#endif

// The recording's bytes with its marker moved by shift bytes.
QByteArray WithShiftedMarker(RecordingLayout layout, int shift)
{
    RecordingFields fields;
    fields.layout = layout;
    fields.marker.clear();
    QByteArray bytes = RecordingBytes(fields);
    const int marker = layout == RecordingLayout::Layout80 ? 40 : 52;
    return bytes.replace(marker + shift, 14, "radio_recorder");
}

QByteArray LayoutBytes(RecordingLayout layout)
{
    RecordingFields fields;
    fields.layout = layout;
    return RecordingBytes(fields);
}

// The recordings searched by keyword, in the order of their start times.
QStringList KeywordArchive()
{
    return {"plain.wav", "a_b.wav", "axb.wav", "100%.wav", "x[1].wav", "say \"hi\".wav",
            "'; drop table SaveViewDisp; --.wav"};
}

// The recordings searched by ID, in the order of their start times, with
// their calling IDs; every receiving ID is 2002.
const QList<QPair<QString, quint32>> &IdArchive()
{
    static const QList<QPair<QString, quint32>> recordings{
        {"plain.wav", 11}, {"one.wav", 1},  {"many.wav", 12345678}, {"a.wav", 1001},
        {"b.wav", 1001},   {"c.wav", 1001}, {"d.wav", 1001}};
    return recordings;
}

// A folder below root whose path is exactly pathBytes long in UTF-8, made
// of names of at most 200 bytes.
QString DeepFolder(const QString &root, int pathBytes)
{
    QString folder = root;
    for (int left = pathBytes - root.toUtf8().size(); left > 1;
         left = pathBytes - folder.toUtf8().size())
        folder += QLatin1Char('/') + QString(std::min(200, left - 1), QLatin1Char('n'));
    return folder;
}

} // namespace

class TestHostileInputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void oddNamesListedOnceAsTheyAre_data();
    void oddNamesListedOnceAsTheyAre();
    void pathNearTheLengthLimitListed();
    void oddSizesAndHeaders_data();
    void oddSizesAndHeaders();
    void linksBackToAncestorsListEachRecordingOnce();
    void twentyThousandFilesAllCounted();
    void fifoNeverBlocksScan_data();
    void fifoNeverBlocksScan();
    void fifoRefusedOrSkippedByWindow();
    void entriesThatCannotBeRead_data();
    void entriesThatCannotBeRead();
    void filesDeletedWhileScanning();
    void fileChangedAfterListing_data();
    void fileChangedAfterListing();
    void exportIntoHostileTarget_data();
    void exportIntoHostileTarget();
    void keywordQuerySyntax_data();
    void keywordQuerySyntax();
    void idFieldQuerySyntax_data();
    void idFieldQuerySyntax();

private:
    QString Archive(const QString &relative) const { return m_archive->filePath(relative); }
    QString Root() const { return m_archive->path(); }
    void OpenWindow();
    void ListFolder(const QString &folder);
    QStringList Names() { return TableColumn(m_window.get(), 2); }
    void WriteCalls(const QStringList &names);
    void ChangeOnDisk(DiskChange change);
    void Perform(UserAction action, const QString &exportFolder, const QString &renameTo);
    void AnswerFolderChooser(const QString &path, QStringList *handedBack = nullptr);
    void PrepareExportTarget(ExportTarget target, const QString &chosen, const QString &elsewhere);
    bool RunScan(OperaThread &worker, const QString &path);

    std::unique_ptr<QTemporaryDir> m_archive;
    std::unique_ptr<MessageLog> m_messages;
    std::unique_ptr<MainWindow> m_window;
};

void TestHostileInputs::initTestCase()
{
    RegisterResources();
    QFile::remove(QCoreApplication::applicationDirPath() + "/Settings.ini");
}

void TestHostileInputs::init()
{
    m_archive = std::make_unique<QTemporaryDir>();
    QVERIFY(m_archive->isValid());
    m_messages = std::make_unique<MessageLog>();
}

void TestHostileInputs::cleanup()
{
    if (m_window)
        QVERIFY(m_window->isVisible());
    m_window.reset();
    m_messages.reset();
    m_archive.reset();
}

void TestHostileInputs::OpenWindow()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

// Imports the folder and lists it through a click on its tree item.
void TestHostileInputs::ListFolder(const QString &folder)
{
    ImportPath(m_window.get(), folder);
    QTreeWidget *tree = m_window->findChild<QTreeWidget *>("treeWidget");
    ClickTreeItem(m_window.get(), TopLevelItem(m_window.get(), tree->topLevelItemCount() - 1));
}

// Call records in the archive, starting a minute apart in the given order.
void TestHostileInputs::WriteCalls(const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        QVERIFY(WriteRecording(Archive(names[i]), CallAt(i)));
}

bool TestHostileInputs::RunScan(OperaThread &worker, const QString &path)
{
    WorkerEnds ends(&worker);
    worker.SetScanJob(path, 0);
    worker.start();
    return QTest::qWaitFor([&ends] { return ends.Scans() == 1; }, kJobTimeoutMs)
           && worker.WaitForEnd(kJobTimeoutMs);
}

void TestHostileInputs::oddNamesListedOnceAsTheyAre_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");

    QTest::newRow("quotes") << "it's \"quoted\"" << "o'clock \"hi\".wav";
    QTest::newRow("placeholders and percent") << "%1 %%" << "%1%2 %% 100%.wav";
    QTest::newRow("underscore and semicolon") << "a_b;c" << "_;_.wav";
    QTest::newRow("blanks inside and around") << "  two  blanks " << " lead and trail .wav";
    QTest::newRow("leading dash") << "-rf" << "--help.wav";
    QTest::newRow("Chinese") << QString::fromUtf8("录音 文件")
                             << QString::fromUtf8("通话记录 二〇二四.wav");
    QTest::newRow("250 characters") << QString(250, 'd') << QString(246, 'f') + ".wav";
    // 255 and 253 bytes in UTF-8: at the file system's limit per name.
    QTest::newRow("Chinese at the byte limit")
        << QString(85, QChar(0x5F55)) << QString(83, QChar(0x97F3)) + ".wav";
}

// Listed through the folder and through its own tree item, then removed from
// the tree, which records the odd path in IgnorePathTab.
void TestHostileInputs::oddNamesListedOnceAsTheyAre()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    const QString control = "0 control.wav";
    QVERIFY(WriteRecording(Archive(control), CallAt(0)));
    QVERIFY(WriteRecording(Archive(folder + "/" + file), CallAt(1)));
    const QStringList before = Snapshot(Root());
    OpenWindow();

    ListFolder(Root());
    QTreeWidgetItem *top = TopLevelItem(m_window.get(), 0);
    QCOMPARE(ChildTexts(top), QStringList{folder});
    QCOMPARE(Names(), (QStringList{control, file}));
    QCOMPARE(ListedRows(),
             Sorted(RowsIn(Root(), {control}) + RowsIn(Root() + "/" + folder, {file})));

    ClickTreeItem(m_window.get(), top->child(0));
    QCOMPARE(Names(), QStringList{file});
    QCOMPARE(ListedRows(), RowsIn(Root() + "/" + folder, {file}));

    RemoveTreeItem(m_window.get(), top->child(0));
    QCOMPARE(Names(), QStringList());
    ClickTreeItem(m_window.get(), top);
    QCOMPARE(Names(), QStringList{control});
    QCOMPARE(ListedRows(), RowsIn(Root(), {control}));
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

// Linux allows 4096 bytes per path, the terminating zero included.
void TestHostileInputs::pathNearTheLengthLimitListed()
{
    const QString folder = DeepFolder(Root(), 4000);
    const QString file = folder + "/deep.wav";
    QCOMPARE(file.toUtf8().size(), 4009);
    QVERIFY(WriteRecording(file, CallAt(1)));
    QVERIFY(WriteRecording(Archive("top.wav"), CallAt(0)));
    const QStringList before = Snapshot(Root());
    OpenWindow();

    ListFolder(Root());
    QCOMPARE(Names(), (QStringList{"top.wav", "deep.wav"}));
    QCOMPARE(ListedRows(), Sorted(RowsIn(folder, {"deep.wav"}) + RowsIn(Root(), {"top.wav"})));
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::oddSizesAndHeaders_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("listed");

    // A file holding the whole marker but shorter than its header reads as
    // zeros past its end and is a recording.
    const QByteArray layout85 = LayoutBytes(RecordingLayout::Layout85);
    const QByteArray layout80 = LayoutBytes(RecordingLayout::Layout80);
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("1 byte") << layout85.left(1) << false;
    QTest::newRow("52 bytes: up to the marker") << layout85.left(52) << false;
    QTest::newRow("65 bytes: marker one byte short") << layout85.left(65) << false;
    QTest::newRow("66 bytes: marker complete") << layout85.left(66) << true;
    QTest::newRow("215 bytes: header one byte short") << layout85.left(215) << true;
    QTest::newRow("layout 80, marker one byte short") << layout80.left(53) << false;
    QTest::newRow("layout 80, marker complete") << layout80.left(54) << true;
    QTest::newRow("layout 85, marker one byte later")
        << WithShiftedMarker(RecordingLayout::Layout85, 1) << false;
    QTest::newRow("layout 85, marker one byte earlier")
        << WithShiftedMarker(RecordingLayout::Layout85, -1) << false;
    QTest::newRow("layout 80, marker one byte later")
        << WithShiftedMarker(RecordingLayout::Layout80, 1) << false;
    QTest::newRow("layout 80, marker one byte earlier")
        << WithShiftedMarker(RecordingLayout::Layout80, -1) << false;
    QTest::newRow("layout 85 without its KVB")
        << QByteArray(layout85).replace(40, 3, "KVC") << false;
    QTest::newRow("216 bytes of 0xFF") << QByteArray(216, '\xFF') << false;
    QTest::newRow("64 KiB of 0xFF") << QByteArray(65536, '\xFF') << false;
}

void TestHostileInputs::oddSizesAndHeaders()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, listed);
    QVERIFY(WriteFileBytes(Archive("odd.wav"), bytes));
    QVERIFY(WriteRecording(Archive("valid.wav"), CallAt(0)));
    const QStringList before = Snapshot(Root());
    OpenWindow();

    ListFolder(Root());
    const QStringList names =
        listed ? QStringList{"odd.wav", "valid.wav"} : QStringList{"valid.wav"};
    QCOMPARE(ListedRows(), RowsIn(Root(), names));
    QCOMPARE(Names().size(), names.size());
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

// rec/a/back leads back to rec, rec/up to the folder holding rec.
void TestHostileInputs::linksBackToAncestorsListEachRecordingOnce()
{
    const QString rec = Archive("rec");
    QVERIFY(WriteRecording(rec + "/a/x.wav", CallAt(0)));
    QVERIFY(WriteRecording(rec + "/y.wav", CallAt(1)));
    QVERIFY(WriteRecording(Archive("outside.wav"), CallAt(2)));
    QVERIFY(QFile::link(rec, rec + "/a/back"));
    QVERIFY(QFile::link(Root(), rec + "/up"));
    const QStringList before = Snapshot(Root());
    OpenWindow();

    ListFolder(rec);
    QTreeWidgetItem *top = TopLevelItem(m_window.get(), 0);
    QCOMPARE(ChildTexts(top), (QStringList{"a", "up"}));
    QCOMPARE(ChildTexts(top->child(0)), QStringList());
    QCOMPARE(ChildTexts(top->child(1)), QStringList());
    QCOMPARE(ListedRows(), Sorted(RowsIn(rec + "/a", {"x.wav"})
                                  + RowsIn(rec + "/up", {"outside.wav"})
                                  + RowsIn(rec, {"y.wav"})));

    // Below a, the link back makes rec and its link up part of the walk.
    ClickTreeItem(m_window.get(), top->child(0));
    QCOMPARE(ListedRows(), Sorted(RowsIn(rec + "/a", {"x.wav"})
                                  + RowsIn(rec + "/a/back/up", {"outside.wav"})
                                  + RowsIn(rec + "/a/back", {"y.wav"})));
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

// 8,000 recordings among 12,000 other files: texts, wave files of another
// kind and .wav files without the marker.
void TestHostileInputs::twentyThousandFilesAllCounted()
{
    constexpr int kFiles = 20000;
    const QByteArray recording = RecordingBytes(CallAt(0));
    const QByteArray notRecording = QByteArray(recording).replace(52, 14, QByteArray(14, 'x'));
    const char *const otherSuffixes[] = {".txt", ".wave", ".wav"};
    QStringList recordings;
    for (int i = 0; i < kFiles; ++i) {
        const bool isRecording = i % 5 < 2;
        const QString name = QStringLiteral("f%1").arg(i, 5, 10, QLatin1Char('0'))
                             + (isRecording ? ".wav" : otherSuffixes[i % 3]);
        QFile file(Archive(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(isRecording ? recording : notRecording) > 0);
        if (isRecording)
            recordings << name;
    }
    QCOMPARE(recordings.size(), 8000);
    const QStringList before = Snapshot(Root());
    OpenWindow();

    ListFolder(Root());
    QCOMPARE(ListedRows(), RowsIn(Root(), recordings));
    QCOMPARE(Names().size(), 200);
    QCOMPARE(WidgetText(m_window.get(), "label_Page"), QString("1/40"));
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::fifoNeverBlocksScan_data()
{
    QTest::addColumn<QString>("scanned");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("in a scanned folder") << QString() << QStringList{"valid.wav"};
    QTest::newRow("as the scanned path") << "x.wav" << QStringList();
}

void TestHostileInputs::fifoNeverBlocksScan()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, scanned);
    QFETCH(QStringList, names);
    QVERIFY(MakeFifo(Archive("x.wav")));
    QVERIFY(WriteRecording(Archive("valid.wav"), CallAt(0)));
    const QStringList before = Snapshot(Root());
    TestDatabase database;
    QVERIFY(database.IsReady());
    OperaThread worker;

    const FifoWatchdog watchdog(Archive("x.wav"));
    const bool ended = RunScan(worker, scanned.isEmpty() ? Root() : Archive(scanned));
    QVERIFY2(!watchdog.Fired(), "the scan blocked opening the FIFO x.wav for reading");
    QVERIFY(ended);
    QCOMPARE(ListedRows(), RowsIn(Root(), names));
    QCOMPARE(Snapshot(Root()), before);
#else
    QSKIP("FIFOs are a POSIX feature");
#endif
}

void TestHostileInputs::fifoRefusedOrSkippedByWindow()
{
#ifdef Q_OS_UNIX
    QVERIFY(MakeFifo(Archive("x.wav")));
    QVERIFY(WriteRecording(Archive("valid.wav"), CallAt(0)));
    const QStringList before = Snapshot(Root());
    OpenWindow();

    const FifoWatchdog watchdog(Archive("x.wav"));
    ListFolder(Root());
    QVERIFY2(!watchdog.Fired(), "the scan blocked opening the FIFO x.wav for reading");
    QCOMPARE(Names(), QStringList{"valid.wav"});

    ImportPath(m_window.get(), Archive("x.wav"), false);
    QCOMPARE(m_messages->Texts(), QStringList{"File does not exist!"});
    QCOMPARE(m_window->findChild<QTreeWidget *>("treeWidget")->topLevelItemCount(), 1);
    QCOMPARE(ListedRows(), RowsIn(Root(), {"valid.wav"}));
    QCOMPARE(Snapshot(Root()), before);
#else
    QSKIP("FIFOs are a POSIX feature");
#endif
}

void TestHostileInputs::entriesThatCannotBeRead_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QStringList>("rows");

    const QStringList valid{"valid.wav"};
    QTest::newRow("dangling link y.wav") << Obstacle::DanglingLink << valid;
    QTest::newRow("link y.wav to a recording") << Obstacle::LinkToRecording
                                               << QStringList{"valid.wav", "y.wav"};
    QTest::newRow("unreadable y.wav") << Obstacle::UnreadableFile << valid;
    QTest::newRow("unreadable folder") << Obstacle::UnreadableFolder << valid;
}

// y.wav or the folder locked/ with a recording in it cannot be read (or is
// a link); the recording valid.wav beside them is listed all the same.
void TestHostileInputs::entriesThatCannotBeRead()
{
#ifdef Q_OS_UNIX
    QFETCH(Obstacle, obstacle);
    QFETCH(QStringList, rows);
    QVERIFY(WriteRecording(Archive("valid.wav"), CallAt(0)));
    const QString locked =
        obstacle == Obstacle::UnreadableFolder ? Archive("locked") : Archive("y.wav");
    if (obstacle == Obstacle::DanglingLink)
        QVERIFY(QFile::link(Archive("gone.wav"), Archive("y.wav")));
    else if (obstacle == Obstacle::LinkToRecording)
        QVERIFY(QFile::link(Archive("valid.wav"), Archive("y.wav")));
    else
        QVERIFY(WriteRecording(obstacle == Obstacle::UnreadableFile ? locked : locked + "/in.wav"));
    const QStringList before = Snapshot(Root());
    const bool locking =
        obstacle == Obstacle::UnreadableFile || obstacle == Obstacle::UnreadableFolder;
    if (locking) {
        QVERIFY(QFile::setPermissions(locked, {}));
        if (QFileInfo(locked).isReadable()) {
            QFile::setPermissions(locked, kOwnerAll);
            QSKIP("Running with the right to read everything (root): a file or folder cannot be "
                  "made unreadable");
        }
    }
    OpenWindow();

    ListFolder(Root());
    if (locking)
        QVERIFY(QFile::setPermissions(locked, kOwnerAll));
    QCOMPARE(ListedRows(), RowsIn(Root(), rows));
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
#else
    QSKIP("Links and permission bits as tested here are POSIX features");
#endif
}

// Every other file is deleted from the end of the folder towards its start
// while the worker, having listed the folder, reads it from the start. Which
// of the deleted files were read first is left to timing; every file that
// stays must be listed, and nothing twice.
void TestHostileInputs::filesDeletedWhileScanning()
{
    constexpr int kFiles = 3000;
    auto nameOf = [](int i) { return QStringLiteral("r%1.wav").arg(i, 4, 10, QLatin1Char('0')); };
    QStringList kept;
    QSet<QString> written;
    for (int i = 0; i < kFiles; ++i) {
        QVERIFY(WriteRecording(Archive(nameOf(i)), CallAt(0)));
        written << RowText(nameOf(i), Archive(nameOf(i)));
        if (i % 2 == 0)
            kept << nameOf(i);
    }
    const QStringList before = Snapshot(Root());
    TestDatabase database;
    QVERIFY(database.IsReady());
    OperaThread worker;
    WorkerEnds ends(&worker);

    // The rollback journal appears with the first row, when the folder has
    // been listed; a worker that ends first leaves nothing to race with.
    const QString journal = database.FileName() + "-journal";
    worker.SetScanJob(Root(), 0);
    worker.start();
    const QDeadlineTimer deadline(kJobTimeoutMs);
    while (!QFile::exists(journal) && !worker.isFinished() && !deadline.hasExpired())
        QThread::yieldCurrentThread();
    for (int i = kFiles - 1; i > 0; i -= 2)
        QVERIFY(QFile::remove(Archive(nameOf(i))));
    QTRY_COMPARE_WITH_TIMEOUT(ends.Scans(), 1, kJobTimeoutMs);
    QVERIFY(worker.WaitForEnd(kJobTimeoutMs));

    QStringList rows = ListedRows();
    QCOMPARE(rows.removeDuplicates(), 0);
    for (const QString &row : rows)
        QVERIFY2(written.contains(row), qPrintable(row));
    const QSet<QString> listed(rows.cbegin(), rows.cend());
    for (const QString &row : RowsIn(Root(), kept))
        QVERIFY2(listed.contains(row), qPrintable(row));
    const QSet<QString> keptNames(kept.cbegin(), kept.cend());
    QStringList left;
    for (const QString &line : before) {
        if (keptNames.contains(line.section(QLatin1Char(' '), 0, 0)))
            left << line;
    }
    QCOMPARE(Snapshot(Root()), left);
}

void TestHostileInputs::fileChangedAfterListing_data()
{
    QTest::addColumn<DiskChange>("change");
    QTest::addColumn<UserAction>("action");
    QTest::addColumn<QString>("renameTo");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("plays");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("movedTo"); // where b.wav went on the user's request; empty: removed
    QTest::addColumn<QStringList>("exported");

    // Listed: a.wav, b.wav, c.wav; b.wav changes on disk, then the user acts
    // on its row (and, for export, on c.wav's too).
    const QStringList all{"a.wav", "b.wav", "c.wav"};
    const QStringList withoutB{"a.wav", "c.wav"};
    const QString invalid = "Invalid File: b.wav";
    const QString partial = "Only some files export successfully, please check!";
    const QString staysPut = "b.wav"; // left as it is, if it is still there
    struct Gone
    {
        const char *tag;
        DiskChange change;
    };
    for (const Gone &gone :
         {Gone{"deleted", DiskChange::Deleted}, Gone{"moved away", DiskChange::MovedAway}}) {
        const QString tag = QString::fromLatin1(gone.tag);
        QTest::newRow(qPrintable(tag + ", played"))
            << gone.change << UserAction::Play << QString() << QStringList{invalid} << false << all
            << staysPut << QStringList();
        QTest::newRow(qPrintable(tag + ", exported with c.wav"))
            << gone.change << UserAction::Export << QString() << QStringList{partial} << false
            << all << staysPut << QStringList{"c.wav"};
        QTest::newRow(qPrintable(tag + ", deleted by the user"))
            << gone.change << UserAction::Delete << QString() << QStringList() << false << withoutB
            << staysPut << QStringList();
    }
    QTest::newRow("deleted, renamed by the user")
        << DiskChange::Deleted << UserAction::Rename << "fresh" << QStringList{"Fail to rename!"}
        << false << all << staysPut << QStringList();
    QTest::newRow("moved away, renamed by the user to the name it now has")
        << DiskChange::MovedAway << UserAction::Rename << "b moved"
        << QStringList{"File name exists, please re-modify!"} << false << all << staysPut
        << QStringList();

    // 750 bytes in UTF-8: more than the file system takes for a name.
    QTest::newRow("untouched, renamed to 250 Chinese characters")
        << DiskChange::Untouched << UserAction::Rename << QString(250, QChar(0x97F3))
        << QStringList{"Fail to rename!"} << false << all << staysPut << QStringList();
    QTest::newRow("replaced, played")
        << DiskChange::Replaced << UserAction::Play << QString() << QStringList() << true << all
        << staysPut << QStringList();
    QTest::newRow("replaced, exported with c.wav")
        << DiskChange::Replaced << UserAction::Export << QString() << QStringList{"Success!"}
        << false << all << staysPut << QStringList{"b.wav", "c.wav"};
    QTest::newRow("replaced, renamed by the user")
        << DiskChange::Replaced << UserAction::Rename << "fresh" << QStringList{"Success!"} << false
        << QStringList{"a.wav", "fresh.wav", "c.wav"} << "fresh.wav" << QStringList();
    QTest::newRow("replaced, deleted by the user")
        << DiskChange::Replaced << UserAction::Delete << QString() << QStringList() << false
        << withoutB << QString() << QStringList();
}

void TestHostileInputs::ChangeOnDisk(DiskChange change)
{
    switch (change) {
    case DiskChange::Untouched:
        return;
    case DiskChange::Deleted:
        QVERIFY(QFile::remove(Archive("b.wav")));
        return;
    case DiskChange::MovedAway:
        QVERIFY(QFile::rename(Archive("b.wav"), Archive("b moved.wav")));
        return;
    case DiskChange::Replaced: {
        RecordingFields other = CallAt(30);
        other.callingID = 4242;
        other.pcm = SinePcm(20000);
        QVERIFY(WriteRecording(Archive("b.wav"), other));
        return;
    }
    }
}

// Answers the folder chooser with path; handedBack receives what the chooser
// gives back.
void TestHostileInputs::AnswerFolderChooser(const QString &path, QStringList *handedBack)
{
    AnswerModal("QFileDialog", [path, handedBack](QDialog *dialog) {
        auto *chooser = static_cast<QFileDialog *>(dialog);
        const QFileInfo info(path);
        chooser->setDirectory(info.isDir() ? path : info.path());
        if (!info.isDir())
            chooser->selectFile(info.fileName());
        if (handedBack)
            *handedBack = chooser->selectedFiles();
        // The chooser's own accept() keeps it open on a file; what a chooser
        // that hands a file back anyway leads to is what is tested.
        chooser->QDialog::accept();
    });
}

void TestHostileInputs::Perform(UserAction action, const QString &exportFolder,
                                const QString &renameTo)
{
    MainWindow *window = m_window.get();
    switch (action) {
    case UserAction::Play:
        ChooseRowMenuEntry(window, 1, 0);
        return;
    case UserAction::Export: {
        ClickCheckCell(window, 1);
        ClickCheckCell(window, 2);
        AnswerFolderChooser(exportFolder);
        ClickButton(window, "pbtn_AddToFolder");
        return;
    }
    case UserAction::Rename:
        AnswerModal("RenameDialog", [renameTo](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("ledt_Rename")->setText(renameTo);
            dialog->findChild<QPushButton *>("pbtn_OK")->click();
            if (dialog->isVisible())
                dialog->findChild<QPushButton *>("pbtn_Cancel")->click();
        });
        ChooseRowMenuEntry(window, 1, 1);
        return;
    case UserAction::Delete:
        ClickCheckCell(window, 1);
        AnswerModal("MessageTip", [](QDialog *dialog) {
            dialog->findChild<QPushButton *>("pbtn_OK")->click();
        });
        ClickButton(window, "pbtn_Del");
        return;
    }
}

void TestHostileInputs::fileChangedAfterListing()
{
    QFETCH(DiskChange, change);
    QFETCH(UserAction, action);
    QFETCH(QString, renameTo);
    QFETCH(QStringList, messages);
    QFETCH(bool, plays);
    QFETCH(QStringList, names);
    QFETCH(QString, movedTo);
    QFETCH(QStringList, exported);
    WriteCalls({"a.wav", "b.wav", "c.wav"});
    OpenWindow();
    ListFolder(Root());
    QCOMPARE(Names(), (QStringList{"a.wav", "b.wav", "c.wav"}));
    ChangeOnDisk(change);
    const QStringList before = Snapshot(Root());
    QTemporaryDir exportFolder;

    Perform(action, exportFolder.path(), renameTo);
    QCOMPARE(m_messages->Texts(), messages);
    if (plays)
        QTRY_COMPARE_WITH_TIMEOUT(WidgetText(m_window.get(), "label_WavFileName"),
                                  QString("b.wav"), 10000);
    QCOMPARE(IsPlayingShown(m_window.get()), plays);
    QCOMPARE(Names(), names);
    QCOMPARE(ListedRows(), RowsIn(Root(), names));
    QCOMPARE(Snapshot(Root()), Moved(before, "b.wav", movedTo));
    QStringList copies;
    for (const QString &name : exported)
        copies << name + " " + ContentHash(Archive(name));
    QStringList written;
    for (const QFileInfo &copy : QDir(exportFolder.path()).entryInfoList(QDir::Files, QDir::Name))
        written << copy.fileName() + " " + ContentHash(copy.filePath());
    QCOMPARE(written, copies);
}

void TestHostileInputs::exportIntoHostileTarget_data()
{
    QTest::addColumn<ExportTarget>("target");
    QTest::addColumn<QStringList>("messages");
    // The new entry, relative to the folder holding the chosen one, with
    // a.wav's bytes; empty: nothing is written.
    QTest::addColumn<QString>("copy");

    const QStringList success{"Success!"};
    const QString suffixed = "chosen/a-\\d{15}\\.wav";
    QTest::newRow("a regular file chosen as folder")
        << ExportTarget::RegularFile << QStringList{"Path error or can't write!"} << QString();
    QTest::newRow("a folder of the recording's name there")
        << ExportTarget::FolderOfSameName << success << suffixed;
    // A link that leads nowhere takes its name like any other entry.
    QTest::newRow("a dangling link of the recording's name there")
        << ExportTarget::DanglingLink << success << suffixed;
    QTest::newRow("a link of the recording's name to another file there")
        << ExportTarget::LinkToFile << success << suffixed;
    QTest::newRow("the recording's own folder")
        << ExportTarget::SourceFolder << success << "rec/a-\\d{15}\\.wav";
}

// chosen: the path the folder chooser hands back; elsewhere: a folder the
// user never chose, which links may lead to.
void TestHostileInputs::PrepareExportTarget(ExportTarget target, const QString &chosen,
                                            const QString &elsewhere)
{
    switch (target) {
    case ExportTarget::RegularFile:
        QVERIFY(WriteFileBytes(chosen, "keep me"));
        return;
    case ExportTarget::FolderOfSameName:
        QVERIFY(WriteFileBytes(chosen + "/a.wav/inside.txt", "keep me"));
        return;
    case ExportTarget::DanglingLink:
        QVERIFY(QDir().mkpath(chosen));
        QVERIFY(QFile::link(elsewhere + "/missing.wav", chosen + "/a.wav"));
        return;
    case ExportTarget::LinkToFile:
        QVERIFY(QDir().mkpath(chosen));
        QVERIFY(WriteFileBytes(elsewhere + "/victim.wav", "keep me"));
        QVERIFY(QFile::link(elsewhere + "/victim.wav", chosen + "/a.wav"));
        return;
    case ExportTarget::SourceFolder:
        return;
    }
}

// The recordings a.wav and b.wav lie in place/rec; a.wav is exported into
// place/chosen (or rec itself); place/elsewhere is never chosen.
void TestHostileInputs::exportIntoHostileTarget()
{
    QFETCH(ExportTarget, target);
    QFETCH(QStringList, messages);
    QFETCH(QString, copy);
    const QString place = Root();
    const QString rec = place + "/rec";
    const QString chosen = target == ExportTarget::SourceFolder ? rec
                           : target == ExportTarget::RegularFile ? place + "/chosen/plain.txt"
                                                                 : place + "/chosen";
    QVERIFY(WriteRecording(rec + "/a.wav", CallAt(0)));
    QVERIFY(WriteRecording(rec + "/b.wav", CallAt(1)));
    QVERIFY(QDir().mkpath(place + "/elsewhere"));
    PrepareExportTarget(target, chosen, place + "/elsewhere");
    const QString recordingHash = ContentHash(rec + "/a.wav");
    const QStringList before = Snapshot(place);
    OpenWindow();
    ListFolder(rec);

    ClickCheckCell(m_window.get(), 0);
    QStringList handedBack;
    AnswerFolderChooser(chosen, &handedBack);
    ClickButton(m_window.get(), "pbtn_AddToFolder");
    QCOMPARE(handedBack, QStringList{chosen});
    QCOMPARE(m_messages->Texts(), messages);
    QCOMPARE(ListedRows(), RowsIn(rec, {"a.wav", "b.wav"}));

    const QStringList after = Snapshot(place);
    QCOMPARE(Minus(before, after), QStringList());
    const QStringList added = Minus(after, before);
    QCOMPARE(added.size(), copy.isEmpty() ? 0 : 1);
    const QRegularExpression copyLine("^" + copy + " \\d+ bytes, modified \\d+, "
                                      + recordingHash + "$");
    for (const QString &line : added)
        QVERIFY2(copyLine.match(line).hasMatch(), qPrintable(line));
}

void TestHostileInputs::keywordQuerySyntax_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("names");

    // The keyword is matched with LIKE: % and _ keep their wildcard meaning,
    // everything else stands for itself, without regard to ASCII case.
    const QStringList all = KeywordArchive();
    QTest::newRow("percent alone") << "%" << all;
    QTest::newRow("underscore alone") << "_" << all;
    QTest::newRow("underscore matches any one character")
        << "A_B" << QStringList{"a_b.wav", "axb.wav"};
    QTest::newRow("statement") << "'; drop table SaveViewDisp; --" << QStringList{all[6]};
    QTest::newRow("always-true condition") << "' or 1=1 --" << QStringList();
    QTest::newRow("double quote") << "\"" << QStringList{all[5]};
    QTest::newRow("bracket") << "[" << QStringList{all[4]};
    QTest::newRow("brackets are no character class") << "[1]" << QStringList{all[4]};
    QTest::newRow("placeholder") << "%1" << QStringList{"100%.wav", "x[1].wav"};
    QTest::newRow("percent inside") << "0%." << QStringList{"100%.wav"};
}

void TestHostileInputs::keywordQuerySyntax()
{
    QFETCH(QString, keyword);
    QFETCH(QStringList, names);
    WriteCalls(KeywordArchive());
    const QStringList before = Snapshot(Root());
    OpenWindow();
    ListFolder(Root());

    auto *field = m_window->findChild<QLineEdit *>("ledt_KeyWord");
    QTest::keyClicks(field, keyword);
    QCOMPARE(field->text(), keyword);
    ClickButton(m_window.get(), "pbtn_Search");
    QCOMPARE(Names(), names);
    QCOMPARE(DatabaseRowCount(), 7);
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::idFieldQuerySyntax_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byKeys"); // else set as a whole, past the validator
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("names");

    // The field takes digits only, at most eight.
    QStringList all;
    for (const auto &recording : IdArchive())
        all << recording.first;
    QTest::newRow("quote and comment") << "' or 1=1 --" << true << "11" << QStringList{"plain.wav"};
    QTest::newRow("percent") << "%" << true << "" << all;
    QTest::newRow("underscore") << "_" << true << "" << all;
    QTest::newRow("statement") << "'; drop table SaveViewDisp; --" << true << "" << all;
    QTest::newRow("double quote") << "\"" << true << "" << all;
    QTest::newRow("bracket") << "[" << true << "" << all;
    QTest::newRow("placeholder") << "%1" << true << "1" << QStringList{"one.wav"};
    QTest::newRow("minus sign") << "-1" << true << "1" << QStringList{"one.wav"};
    QTest::newRow("nine digits") << "123456789" << true << "12345678" << QStringList{"many.wav"};
    // Text that is no number searches for ID 0, which no record has.
    QTest::newRow("statement past the validator")
        << "1 or 1=1" << false << "1 or 1=1" << QStringList();
}

void TestHostileInputs::idFieldQuerySyntax()
{
    QFETCH(QString, typed);
    QFETCH(bool, byKeys);
    QFETCH(QString, kept);
    QFETCH(QStringList, names);
    for (int i = 0; i < IdArchive().size(); ++i) {
        RecordingFields fields = CallAt(i);
        fields.callingID = IdArchive()[i].second;
        QVERIFY(WriteRecording(Archive(IdArchive()[i].first), fields));
    }
    const QStringList before = Snapshot(Root());
    OpenWindow();
    ListFolder(Root());

    auto *field = m_window->findChild<QLineEdit *>("ledt_ID");
    if (byKeys)
        QTest::keyClicks(field, typed);
    else
        field->setText(typed);
    QCOMPARE(field->text(), kept);
    ClickButton(m_window.get(), "pbtn_Search");
    QCOMPARE(Names(), names);
    QCOMPARE(DatabaseRowCount(), 7);
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

int main(int argc, char *argv[])
{
    // appsink keeps to the clock like a sound card, so playing can be seen.
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "appsink");
    QApplication application(argc, argv);
    TestHostileInputs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hostileinputs.moc"
