// The import worker on its own: what a scan stores and skips, the ignore
// rule, its connection, Cancel and the tree it builds.

#include "import/operathread.h"
#include "import/recordingopen.h"
#include "import/scanconnection.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>

#include <functional>

namespace {

constexpr int kJobTimeoutMs = 30000;

// "name(child,child(grandchild))" for the items below item, in their order.
QString TreeShape(const QTreeWidgetItem *item)
{
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i) {
        const QString below = TreeShape(item->child(i));
        children << item->child(i)->text(0) + (below.isEmpty() ? "" : "(" + below + ")");
    }
    return children.join(',');
}

// The paths of the recordings below folder as the scan met them before it
// read headers on threads of its own: QDir's listing, links followed once.
void ReferenceWalk(const QString &folder, QSet<QString> &entered, QStringList &paths)
{
    for (const QFileInfo &entry : QDir(folder).entryInfoList()) {
        if (entry.isFile() && entry.fileName().endsWith(".wav", Qt::CaseInsensitive)) {
            paths << entry.path() + "/" + entry.fileName();
        } else if (entry.isDir() && entry.fileName() != "." && entry.fileName() != "..") {
            const QString real = entry.canonicalFilePath();
            if (!entered.contains(real)) {
                entered.insert(real);
                ReferenceWalk(entry.absoluteFilePath(), entered, paths);
            }
        }
    }
}

// Makes an entry at path; false when it cannot.
using EntryMaker = std::function<bool(const QString &path)>;

} // namespace

Q_DECLARE_METATYPE(EntryMaker)

class TestOperaThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scanOrderAndFilters();
    void readersKeepTheWalkOrder();
    void opensOnlyRegularFiles_data();
    void opensOnlyRegularFiles();
    void failedStoreStopsAndKeepsEarlierBatches();
    void ignoreRules_data();
    void ignoreRules();
    void scanUsesItsOwnConnection();
    void cancelKeepsRowsAndEnds();

    void treeShapeOrderAndNodeNumbers();
    void treePausesAfterEachFolder();

private:
    QString Path(const QString &relative) const { return m_dir->filePath(relative); }
    bool Write(const QString &relative) { return WriteRecording(Path(relative)); }
    bool RunScan(const QString &path, const QString &databaseName = WorkingDatabaseName());
    QString BuildTree(int nodeNumber = 0);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<OperaThread> m_worker;
    QTreeWidget m_tree;
    // The worker's end signals as the GUI thread receives them: queued.
    int m_scanEnds = 0;
    int m_treeEnds = 0;
};

void TestOperaThread::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_database = std::make_unique<TestDatabase>();
    QVERIFY(m_database->IsReady());
    m_worker = std::make_unique<OperaThread>();
    m_scanEnds = m_treeEnds = 0;
    connect(m_worker.get(), &OperaThread::EndFindWav, this, [this] { ++m_scanEnds; });
    connect(m_worker.get(), &OperaThread::UpdataTree, this, [this] { ++m_treeEnds; });
}

void TestOperaThread::cleanup()
{
    m_worker.reset();
    m_tree.clear();
    m_database.reset();
    m_dir.reset();
}

// Exactly one end signal arrives, and the worker ends.
bool TestOperaThread::RunScan(const QString &path, const QString &databaseName)
{
    const int before = m_scanEnds;
    m_worker->SetScanJob(path, 0, databaseName);
    m_worker->start();
    return QTest::qWaitFor([&] { return m_scanEnds > before; }, kJobTimeoutMs)
           && m_worker->WaitForEnd(kJobTimeoutMs) && m_scanEnds == before + 1;
}

// The tree built below a new top-level item for the folder, attached.
QString TestOperaThread::BuildTree(int nodeNumber)
{
    auto *root = new QTreeWidgetItem(&m_tree, QStringList(m_dir->path()));
    root->setData(0, Qt::UserRole, nodeNumber);
    const int before = m_treeEnds;
    m_worker->SetTreeJob(root, m_dir->path());
    m_worker->start();
    if (!QTest::qWaitFor([&] { return m_treeEnds > before; }, kJobTimeoutMs)
        || !m_worker->WaitForEnd(kJobTimeoutMs))
        return "(not built)";
    // The worker never touches the tree's items: its own appear when attached.
    if (root->childCount() != 0)
        return "(attached by the worker)";
    m_worker->AttachBuiltTree();
    return TreeShape(root);
}

// Files of the listed folder keep the folder as it was given, files further
// down get absolute paths.
void TestOperaThread::scanOrderAndFilters()
{
    for (const char *name : {"e.Wav", "d.txt", "c.wave", "B.WAV", "a.wav", "x.wav/in.wav",
                             "c_folder/inside.wav", "wav", "a.wav.txt", ".hidden.wav",
                             ".hidden folder/h.wav", "c_folder/.also hidden.wav"})
        QVERIFY(Write(name));
    const QString given = m_dir->path() + "/x.wav/..";

    QVERIFY(RunScan(given));
    QCOMPARE(m_database->Column("FilePath"),
             (QStringList{given + "/a.wav", given + "/B.WAV", Path("c_folder/inside.wav"),
                          given + "/e.Wav", Path("x.wav/in.wav")}));
}

// Names that sort equal ignoring case, links and a dangling link, all with
// one start time: the listing's order is the order the rows were stored in.
void TestOperaThread::readersKeepTheWalkOrder()
{
    const QString letters = QString::fromUtf8("aAbBäÄ");
    QStringList names{"outside/o.wav", "outside/O.wav"};
    for (int i = 0; i < 600; ++i)
        names << QStringLiteral("tree/f%1/%2%3.wav").arg(i % 7).arg(letters.at(i % 6)).arg(i / 6);
    names << "tree/f1/it's \"%1\".WAV" << QString::fromUtf8("tree/f2/通话.wav")
          << "tree/f3/x.wav/inner.wav";
    std::reverse(names.begin(), names.end()); // creation order differs from name order
    for (const QString &name : names)
        QVERIFY(Write(name));
    QVERIFY(QFile::link(Path("outside"), Path("tree/f0/out")));
    QVERIFY(QFile::link(Path("tree"), Path("tree/f4/back")));
    QVERIFY(QFile::link(Path("gone"), Path("tree/f5/gone.wav")));

    const QString tree = Path("tree");
    QSet<QString> entered{QFileInfo(tree).canonicalFilePath()};
    QStringList expected;
    ReferenceWalk(tree, entered, expected);
    QCOMPARE(expected.size(), names.size());
    QVERIFY(RunScan(tree));
    QCOMPARE(m_database->Column("FilePath"), expected);
}

void TestOperaThread::opensOnlyRegularFiles_data()
{
    QTest::addColumn<EntryMaker>("make");
    QTest::addColumn<int>("bytesRead"); // of 216; -1 when refused

    const EntryMaker recording = [](const QString &path) {
        RecordingFields layout80;
        layout80.layout = RecordingLayout::Layout80;
        return WriteRecording(path, layout80);
    };
    QTest::newRow("recording of 92 bytes") << recording << 92;
    QTest::newRow("empty file") << EntryMaker([](const QString &path) {
        return WriteFileBytes(path, {});
    }) << 0;
    QTest::newRow("link to a recording") << EntryMaker([recording](const QString &path) {
        return recording(path + ".real") && QFile::link(path + ".real", path);
    }) << 92;
    QTest::newRow("FIFO") << EntryMaker([](const QString &path) {
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    }) << -1;
    QTest::newRow("link to a FIFO") << EntryMaker([](const QString &path) {
        return ::mkfifo(QFile::encodeName(path + ".fifo").constData(), 0644) == 0
               && QFile::link(path + ".fifo", path);
    }) << -1;
    QTest::newRow("folder") << EntryMaker([](const QString &path) {
        return QDir().mkpath(path);
    }) << -1;
    QTest::newRow("dangling link") << EntryMaker([](const QString &path) {
        return QFile::link(path + ".gone", path);
    }) << -1;
    QTest::newRow("missing") << EntryMaker([](const QString &) { return true; }) << -1;
}

// A FIFO swapped in after the listing must not hold the reader: an open
// that waited for a writer would hang the test until its watchdog fails it.
void TestOperaThread::opensOnlyRegularFiles()
{
    QFETCH(EntryMaker, make);
    QFETCH(int, bytesRead);
    const QString path = Path("entry.wav");
    QVERIFY(make(path));

    char buffer[216];
    QCOMPARE(ReadRecordingStart(path, buffer, sizeof buffer), qint64(bytesRead));
    QFile file;
    QCOMPARE(OpenRecordingFile(file, path), bytesRead >= 0);
}

// The rows past the first batch cannot be stored: the job stops at once,
// keeps the committed batch and says so.
void TestOperaThread::failedStoreStopsAndKeepsEarlierBatches()
{
    constexpr int kStorable = ScanConnection::kRowsPerCommit + 10;
    for (int i = 0; i < kStorable + 200; ++i)
        QVERIFY(Write(QStringLiteral("r%1.wav").arg(i, 5, 10, QLatin1Char('0'))));
    QVERIFY(QSqlQuery().exec(QStringLiteral(
        "create trigger full after insert on SaveViewDisp when new.rowid > %1 "
        "begin select raise(abort, 'database or disk is full'); end")
                                 .arg(kStorable)));

    QVERIFY(RunScan(m_dir->path()));
    QVERIFY(m_worker->StoreFailed());
    QCOMPARE(m_database->RowCount(), ScanConnection::kRowsPerCommit);
    QCOMPARE(m_database->Column("FileName").constLast(),
             QStringLiteral("r%1.wav").arg(ScanConnection::kRowsPerCommit - 1, 5, 10,
                                           QLatin1Char('0')));

    QVERIFY(QSqlQuery().exec(QStringLiteral("drop trigger full")));
    QVERIFY(RunScan(Path("r00000.wav")));
    QVERIFY(!m_worker->StoreFailed());
}

void TestOperaThread::ignoreRules_data()
{
    // Ignore rows as "tree node number:path below the scanned folder".
    QTest::addColumn<QStringList>("ignoreRows");
    QTest::addColumn<QStringList>("names");

    const QStringList all{"a.wav", "sub.wav", "a2.wav", "ab.wav", "q.wav", "top.wav", "t2.wav"};
    auto allBut = [all](const QStringList &hidden) {
        QStringList names = all;
        for (const QString &name : hidden)
            names.removeOne(name);
        return names;
    };
    QTest::newRow("nothing ignored") << QStringList() << all;
    QTest::newRow("folder hides itself and below, not a sibling of a longer name")
        << QStringList{"0:a"} << allBut({"a.wav", "sub.wav"});
    QTest::newRow("rows of another tree node number") << QStringList{"1:a", "2:top.wav"} << all;
    QTest::newRow("subfolder, with a trailing slash")
        << QStringList{"0:a/sub/"} << allBut({"sub.wav"});
    QTest::newRow("file, not one of a longer name")
        << QStringList{"0:top.wav"} << allBut({"top.wav"});
    QTest::newRow("unclean path") << QStringList{"0:b/../ab"} << allBut({"ab.wav"});
    QTest::newRow("quotes and placeholders") << QStringList{"0:it's \"%1\""} << allBut({"q.wav"});
    QTest::newRow("the scanned folder") << QStringList{"0:"} << QStringList();
}

void TestOperaThread::ignoreRules()
{
    QFETCH(QStringList, ignoreRows);
    QFETCH(QStringList, names);
    for (const char *name : {"a/a.wav", "a/sub/sub.wav", "a2/a2.wav", "ab/ab.wav", "top.wav",
                             "top.wav2/t2.wav", "it's \"%1\"/q.wav"})
        QVERIFY(Write(name));
    for (const QString &row : ignoreRows)
        QVERIFY(m_database->AddIgnorePath(row.section(':', 0, 0).toInt(),
                                          m_dir->path() + "/" + row.section(':', 1)));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FileName"), names);
}

// The worker writes through a connection of its own to the file it is given,
// and removes that connection at the end.
void TestOperaThread::scanUsesItsOwnConnection()
{
    TestDatabase other(QStringLiteral("other"));
    QVERIFY(other.IsReady());
    QVERIFY(other.AddIgnorePath(0, Path("hidden")));
    QVERIFY(Write("hidden/h.wav"));
    QVERIFY(Write("shown.wav"));

    QVERIFY(RunScan(m_dir->path(), other.FileName()));
    QCOMPARE(other.Column("FileName"), QStringList{"shown.wav"});
    QCOMPARE(m_database->RowCount(), 0);
    QStringList connections = QSqlDatabase::connectionNames();
    connections.sort();
    QCOMPARE(connections, (QStringList{"other", QSqlDatabase::defaultConnection}));
}

// The rollback journal beside the database exists from the job's first
// insert to its commit: it shows that rows are being written. After Cancel
// the rows written stay and the end signal still arrives, once.
void TestOperaThread::cancelKeepsRowsAndEnds()
{
    constexpr int kFiles = 3000;
    for (int i = 0; i < kFiles; ++i)
        QVERIFY(Write(QStringLiteral("f%1/r%2.wav").arg(i / 100).arg(i)));
    const QString journal = m_database->FileName() + "-journal";

    m_worker->SetScanJob(m_dir->path(), 0);
    m_worker->start();
    const QDeadlineTimer deadline(kJobTimeoutMs);
    while (!QFile::exists(journal) && !deadline.hasExpired())
        QThread::yieldCurrentThread();
    m_worker->CancelAndWait();

    QVERIFY(m_worker->isFinished());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_scanEnds, 1);
    QVERIFY(!QFile::exists(journal));
    const int rows = m_database->RowCount();
    QVERIFY2(rows > 0 && rows < kFiles, qPrintable(QString::number(rows)));
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList{QSqlDatabase::defaultConnection});
}

void TestOperaThread::treeShapeOrderAndNodeNumbers()
{
    for (const char *folder : {"b", "A", "c/z", "c/Y/deep", "a2", "x.wav", ".hidden/inner",
                               "c/.hidden too"})
        QVERIFY(QDir().mkpath(Path(folder)));
    QVERIFY(Write("file.wav"));
    QVERIFY(Write("c/z/in.wav"));

    QCOMPARE(BuildTree(7), QStringLiteral("A,a2,b,c(Y(deep),z),x.wav"));
    const QTreeWidgetItem *deep = m_tree.topLevelItem(0)->child(3)->child(0)->child(0);
    QCOMPARE(deep->data(0, Qt::UserRole).toInt(), 7);
}

// The worker rests 5 ms after each folder it adds to the tree.
void TestOperaThread::treePausesAfterEachFolder()
{
    for (int i = 0; i < 40; ++i)
        QVERIFY(QDir().mkpath(Path(QString::number(i))));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(BuildTree().count(',') + 1, 40);
    QVERIFY2(timer.elapsed() >= 40 * 5, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(TestOperaThread)
#include "tst_operathread.moc"
