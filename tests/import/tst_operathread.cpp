#include "import/operathread.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>

namespace {

constexpr int kJobTimeoutMs = 30000;
constexpr int kTreeNodeNumber = 7;

// "name(child,child(grandchild))" for the items below item, in their order.
QString TreeShape(const QTreeWidgetItem *item)
{
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem *child = item->child(i);
        const QString below = TreeShape(child);
        children.append(child->text(0) + (below.isEmpty() ? QString() : "(" + below + ")"));
    }
    return children.join(QLatin1Char(','));
}

QList<QVariant> NodeNumbersBelow(const QTreeWidgetItem *item)
{
    QList<QVariant> numbers;
    for (int i = 0; i < item->childCount(); ++i) {
        numbers.append(item->child(i)->data(0, Qt::UserRole));
        numbers.append(NodeNumbersBelow(item->child(i)));
    }
    return numbers;
}

// Spins until the condition holds, without an event loop; false on timeout.
template <typename Condition>
bool SpinUntil(Condition condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::yieldCurrentThread();
    }
    return true;
}

} // namespace

class TestOperaThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scanOrderAndFilters();
    void invalidFilesSkipped();
    void hiddenEntriesSkipped();
    void filePathJoinsListedFolder();
    void sameNameInTwoFolders();
    void singleFile_data();
    void singleFile();
    void ignoreRules_data();
    void ignoreRules();
    void namesStoredIntact_data();
    void namesStoredIntact();
    void scanLinkLoopEnds();
    void missingPathEndsScan();
    void scanUsesItsOwnConnection();
    void scanCommittedBeforeEndSignal();
    void cancelKeepsRowsAndEnds();
    void interruptedAtStartEmitsNothing();
    void otherModeDoesNothing();

    void treeShapeOrderAndNodeNumbers();
    void treeAttachedOnlyOnRequest();
    void treeWithoutSubfolders();
    void treeLinkLoopEnds();
    void threadReusedForJobs();
    void destructorStopsRunningJob();

private:
    QString Path(const QString &relative) const { return m_dir->filePath(relative); }
    bool Write(const QString &relative, const RecordingFields &fields = RecordingFields());
    bool Link(const QString &relative, const QString &target);
    bool RunScan(const QString &path, int treeNodeID = 0);
    bool RunTree(QTreeWidgetItem *root, const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDatabase> m_database;
    void CountEndSignals();
    bool WaitForSignal(const int &counter, int before);

    std::unique_ptr<OperaThread> m_thread;
    // The worker's end signals as the GUI thread receives them: queued.
    int m_endFindWav = 0;
    int m_updataTree = 0;
};

void TestOperaThread::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_database = std::make_unique<TestDatabase>();
    QVERIFY(m_database->IsReady());
    m_thread = std::make_unique<OperaThread>();
    CountEndSignals();
}

void TestOperaThread::cleanup()
{
    QTest::ignoreMessage(QtDebugMsg, "exit thread");
    m_thread.reset();
    m_database.reset();
    m_dir.reset();
}

bool TestOperaThread::Write(const QString &relative, const RecordingFields &fields)
{
    return WriteRecording(Path(relative), fields);
}

bool TestOperaThread::Link(const QString &relative, const QString &target)
{
    return QFile::link(Path(target), Path(relative));
}

void TestOperaThread::CountEndSignals()
{
    m_endFindWav = 0;
    m_updataTree = 0;
    connect(m_thread.get(), &OperaThread::EndFindWav, this, [this] { ++m_endFindWav; });
    connect(m_thread.get(), &OperaThread::UpdataTree, this, [this] { ++m_updataTree; });
}

// Exactly one more signal arrives, and the worker ends.
bool TestOperaThread::WaitForSignal(const int &counter, int before)
{
    return QTest::qWaitFor([&] { return counter > before; }, kJobTimeoutMs)
           && m_thread->WaitForEnd(kJobTimeoutMs) && counter == before + 1;
}

bool TestOperaThread::RunScan(const QString &path, int treeNodeID)
{
    const int before = m_endFindWav;
    m_thread->SetScanJob(path, treeNodeID);
    m_thread->start();
    return WaitForSignal(m_endFindWav, before);
}

bool TestOperaThread::RunTree(QTreeWidgetItem *root, const QString &path)
{
    const int before = m_updataTree;
    m_thread->SetTreeJob(root, path);
    m_thread->start();
    if (!WaitForSignal(m_updataTree, before))
        return false;
    m_thread->AttachBuiltTree();
    return true;
}

void TestOperaThread::scanOrderAndFilters()
{
    for (const char *name : {"e.Wav", "d.txt", "c.wave", "B.WAV", "a.wav", "x.wav/in.wav",
                             "c_folder/inside.wav", "wav", "a.wav.txt", "ewav"})
        QVERIFY(Write(name));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FileName"),
             (QStringList{"a.wav", "B.WAV", "inside.wav", "e.Wav", "in.wav"}));
}

void TestOperaThread::invalidFilesSkipped()
{
    RecordingFields noMarker;
    noMarker.marker = "radio_recordeX";
    QVERIFY(Write("1 no marker.wav", noMarker));
    QVERIFY(WriteFileBytes(Path("2 empty.wav"), QByteArray()));
    QVERIFY(WriteFileBytes(Path("3 short.wav"), RecordingBytes(RecordingFields()).left(40)));
    QVERIFY(Write("4 valid.wav"));
    QVERIFY(QFile::link(Path("nowhere.wav"), Path("5 dangling.wav")));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FileName"), QStringList{"4 valid.wav"});
}

void TestOperaThread::hiddenEntriesSkipped()
{
    QVERIFY(Write(".hidden.wav"));
    QVERIFY(Write(".hidden folder/inside.wav"));
    QVERIFY(Write("shown/.also hidden.wav"));
    QVERIFY(Write("shown/seen.wav"));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FileName"), QStringList{"seen.wav"});
}

// The top folder as it was given, then absolute paths further down.
void TestOperaThread::filePathJoinsListedFolder()
{
    QVERIFY(Write("top.wav"));
    QVERIFY(Write("sub/deep.wav"));
    const QString given = m_dir->path() + QStringLiteral("/sub/..");

    QVERIFY(RunScan(given));
    QCOMPARE(m_database->Column("FilePath"),
             (QStringList{Path("sub/deep.wav"), given + "/top.wav"}));
}

void TestOperaThread::sameNameInTwoFolders()
{
    QVERIFY(Write("one/call.wav"));
    QVERIFY(Write("two/call.wav"));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FileName"), (QStringList{"call.wav", "call.wav"}));
    QCOMPARE(m_database->Column("FilePath"),
             (QStringList{Path("one/call.wav"), Path("two/call.wav")}));
}

void TestOperaThread::singleFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("rows");

    QTest::newRow("without .wav suffix") << "recording.bin" << true << 1;
    QTest::newRow("without any suffix") << "recording" << true << 1;
    QTest::newRow(".wav") << "recording.wav" << true << 1;
    QTest::newRow("invalid header") << "recording.wav" << false << 0;
}

void TestOperaThread::singleFile()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QFETCH(int, rows);

    RecordingFields fields;
    if (!valid)
        fields.marker.clear();
    QVERIFY(Write("folder/" + name, fields));
    const QString given = m_dir->path() + "/folder/./" + name;

    QVERIFY(RunScan(given));
    QCOMPARE(m_database->RowCount(), rows);
    if (rows == 1) {
        QCOMPARE(m_database->Column("FileName"), QStringList{name});
        QCOMPARE(m_database->Column("FilePath"), QStringList{given});
    }
}

void TestOperaThread::ignoreRules_data()
{
    // Ignore rows as "tree node number:path below the scanned folder".
    QTest::addColumn<QStringList>("ignoreRows");
    QTest::addColumn<QStringList>("names");

    const QStringList all{"a.wav", "sub.wav", "a2.wav", "ab.wav", "top.wav"};
    QTest::newRow("nothing ignored") << QStringList() << all;
    QTest::newRow("folder hides itself and below, not its siblings")
        << QStringList{"0:a"} << QStringList{"a2.wav", "ab.wav", "top.wav"};
    QTest::newRow("another tree node number") << QStringList{"1:a"} << all;
    QTest::newRow("subfolder") << QStringList{"0:a/sub"}
                               << QStringList{"a.wav", "a2.wav", "ab.wav", "top.wav"};
    QTest::newRow("single file") << QStringList{"0:top.wav"}
                                 << QStringList{"a.wav", "sub.wav", "a2.wav", "ab.wav"};
    QTest::newRow("rows of two tree nodes")
        << QStringList{"1:a", "0:ab", "2:top.wav"}
        << QStringList{"a.wav", "sub.wav", "a2.wav", "top.wav"};
    QTest::newRow("the scanned folder") << QStringList{"0:"} << QStringList();
}

void TestOperaThread::ignoreRules()
{
    QFETCH(QStringList, ignoreRows);
    QFETCH(QStringList, names);

    for (const char *name : {"a/a.wav", "a/sub/sub.wav", "a2/a2.wav", "ab/ab.wav", "top.wav"})
        QVERIFY(Write(name));
    for (const QString &row : ignoreRows) {
        const QString relative = row.section(':', 1);
        const QString path = relative.isEmpty() ? m_dir->path() : Path(relative);
        QVERIFY(m_database->AddIgnorePath(row.section(':', 0, 0).toInt(), path));
    }

    QVERIFY(RunScan(m_dir->path(), 0));
    QCOMPARE(m_database->Column("FileName"), names);
}

void TestOperaThread::namesStoredIntact_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");

    QTest::newRow("single quote") << "it's" << "o'clock.wav";
    QTest::newRow("double quotes") << "the \"best\"" << "say \"hi\".wav";
    QTest::newRow("placeholders") << "%1 and %2" << "%1%2%10%12.wav";
    QTest::newRow("percent signs") << "100%%" << "%% %.wav";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Aufnahmen Übung") << QString::fromUtf8("通话 Ωmega.wav");
    QTest::newRow("newline") << "two\nlines" << "line\nbreak.wav";
    QTest::newRow("statement") << "x\"),('1" << "\",'',0,0); drop table SaveViewDisp; --.wav";
}

void TestOperaThread::namesStoredIntact()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);

    const QString relative = folder + "/" + name;
    QVERIFY(Write(relative));
    QVERIFY(m_database->AddIgnorePath(0, Path(folder + "/other")));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FileName"), QStringList{name});
    QCOMPARE(m_database->Column("FilePath"), QStringList{Path(relative)});
}

void TestOperaThread::scanLinkLoopEnds()
{
    QVERIFY(Write("a/x.wav"));
    QVERIFY(Link("a/back", "."));
    QVERIFY(Link("a/self", "a"));
    QVERIFY(Link("z", "a"));

    QVERIFY(RunScan(m_dir->path()));
    QCOMPARE(m_database->Column("FilePath"), QStringList{Path("a/x.wav")});
}

void TestOperaThread::missingPathEndsScan()
{
    QVERIFY(RunScan(Path("not there")));
    QCOMPARE(m_database->RowCount(), 0);
}

void TestOperaThread::scanUsesItsOwnConnection()
{
    TestDatabase other(QStringLiteral("other"));
    QVERIFY(other.IsReady());
    QVERIFY(other.AddIgnorePath(0, Path("hidden")));
    QVERIFY(Write("hidden/h.wav"));
    QVERIFY(Write("shown.wav"));

    m_thread->SetScanJob(m_dir->path(), 0, other.FileName());
    m_thread->start();
    QVERIFY(WaitForSignal(m_endFindWav, 0));

    QCOMPARE(other.Column("FileName"), QStringList{"shown.wav"});
    QCOMPARE(m_database->RowCount(), 0);
    QStringList connections = QSqlDatabase::connectionNames();
    connections.sort();
    QCOMPARE(connections,
             (QStringList{QStringLiteral("other"), QSqlDatabase::defaultConnection}));
}

// Checked in the worker as it emits: the transaction is committed (no
// journal left) and its connection removed.
void TestOperaThread::scanCommittedBeforeEndSignal()
{
    for (int i = 0; i < 20; ++i)
        QVERIFY(Write(QStringLiteral("f%1/r%1.wav").arg(i, 2, 10, QLatin1Char('0'))));

    const QString journal = m_database->FileName() + QStringLiteral("-journal");
    bool journalAtEnd = true;
    QStringList connectionsAtEnd;
    // Connected ahead of the counting, so the queued arrival awaited by
    // RunScan comes after these notes.
    disconnect(m_thread.get(), nullptr, this, nullptr);
    connect(
        m_thread.get(), &OperaThread::EndFindWav, this,
        [&] {
            journalAtEnd = QFile::exists(journal);
            connectionsAtEnd = QSqlDatabase::connectionNames();
        },
        Qt::DirectConnection);
    CountEndSignals();
    QVERIFY(RunScan(m_dir->path()));
    QVERIFY(!journalAtEnd);
    QCOMPARE(connectionsAtEnd, QStringList{QSqlDatabase::defaultConnection});
    QCOMPARE(m_database->RowCount(), 20);
}

// The rollback journal beside the database exists from the job's first
// insert to its commit: it shows that rows are being written.
void TestOperaThread::cancelKeepsRowsAndEnds()
{
    constexpr int kFiles = 3000;
    for (int i = 0; i < kFiles; ++i)
        QVERIFY(Write(QStringLiteral("f%1/r%2.wav").arg(i / 100).arg(i)));
    const QString journal = m_database->FileName() + QStringLiteral("-journal");

    m_thread->SetScanJob(m_dir->path(), 0);
    m_thread->start();
    QVERIFY(SpinUntil([&] { return QFile::exists(journal); }, kJobTimeoutMs));
    m_thread->CancelAndWait();

    QVERIFY(m_thread->isFinished());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_endFindWav, 1);
    QVERIFY(!QFile::exists(journal));
    const int rows = m_database->RowCount();
    QVERIFY2(rows > 0 && rows < kFiles, qPrintable(QString::number(rows)));
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList{QSqlDatabase::defaultConnection});
}

void TestOperaThread::interruptedAtStartEmitsNothing()
{
    QVERIFY(Write("x.wav"));
    connect(
        m_thread.get(), &QThread::started, m_thread.get(),
        [this] { m_thread->requestInterruption(); }, Qt::DirectConnection);
    m_thread->SetScanJob(m_dir->path(), 0);
    m_thread->start();
    QVERIFY(m_thread->WaitForEnd(kJobTimeoutMs));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_endFindWav, 0);
    QCOMPARE(m_database->RowCount(), 0);
}

void TestOperaThread::otherModeDoesNothing()
{
    QVERIFY(Write("x.wav"));
    m_thread->SetScanJob(m_dir->path(), 0);
    m_thread->SetMode(0);
    m_thread->start();
    QVERIFY(m_thread->WaitForEnd(kJobTimeoutMs));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_endFindWav + m_updataTree, 0);
    QCOMPARE(m_database->RowCount(), 0);
}

void TestOperaThread::treeShapeOrderAndNodeNumbers()
{
    for (const char *folder : {"b", "A", "c/z", "c/Y/deep", "a2", "x.wav", ".hidden/inner",
                               "c/.hidden too"})
        QVERIFY(QDir().mkpath(Path(folder)));
    QVERIFY(Write("file.wav"));
    QVERIFY(Write("c/z/in.wav"));

    QTreeWidget tree;
    auto *root = new QTreeWidgetItem(&tree, QStringList(m_dir->path()));
    root->setData(0, Qt::UserRole, kTreeNodeNumber);
    QVERIFY(RunTree(root, m_dir->path()));

    QCOMPARE(TreeShape(root), QStringLiteral("A,a2,b,c(Y(deep),z),x.wav"));
    const QList<QVariant> numbers = NodeNumbersBelow(root);
    QCOMPARE(numbers.size(), 8);
    QCOMPARE(numbers, QVector<QVariant>(numbers.size(), kTreeNodeNumber).toList());
    QCOMPARE(tree.topLevelItemCount(), 1);
}

// The worker never touches the tree's item: its children appear when the GUI
// thread attaches them.
void TestOperaThread::treeAttachedOnlyOnRequest()
{
    QVERIFY(QDir().mkpath(Path("one/two")));
    QTreeWidget tree;
    auto *root = new QTreeWidgetItem(&tree, QStringList(m_dir->path()));
    root->setData(0, Qt::UserRole, 3);

    m_thread->SetTreeJob(root, m_dir->path());
    m_thread->start();
    QVERIFY(WaitForSignal(m_updataTree, 0));
    QCOMPARE(root->childCount(), 0);

    m_thread->AttachBuiltTree();
    QCOMPARE(TreeShape(root), QStringLiteral("one(two)"));
    QCOMPARE(root->child(0)->treeWidget(), &tree);
    m_thread->AttachBuiltTree();
    QCOMPARE(TreeShape(root), QStringLiteral("one(two)"));
}

void TestOperaThread::treeWithoutSubfolders()
{
    QVERIFY(Write("only a file.wav"));
    QTreeWidgetItem root(QStringList(m_dir->path()));
    root.setData(0, Qt::UserRole, 0);

    QVERIFY(RunTree(&root, m_dir->path()));
    QCOMPARE(root.childCount(), 0);
}

void TestOperaThread::treeLinkLoopEnds()
{
    QVERIFY(QDir().mkpath(Path("a/b")));
    QVERIFY(Link("a/b/up", "."));
    QVERIFY(Link("a/loop", "a"));
    QTreeWidgetItem root(QStringList(m_dir->path()));
    root.setData(0, Qt::UserRole, 0);

    QVERIFY(RunTree(&root, m_dir->path()));
    QCOMPARE(TreeShape(&root), QStringLiteral("a(b)"));
}

void TestOperaThread::threadReusedForJobs()
{
    QVERIFY(Write("f/x.wav"));
    QTreeWidgetItem root(QStringList(m_dir->path()));
    root.setData(0, Qt::UserRole, 1);

    QVERIFY(RunTree(&root, m_dir->path()));
    QVERIFY(RunScan(m_dir->path(), 1));
    QVERIFY(RunScan(Path("f/x.wav"), 1));
    QVERIFY(RunTree(&root, Path("f")));
    QCOMPARE(TreeShape(&root), QStringLiteral("f"));
    QCOMPARE(m_database->RowCount(), 2);
}

void TestOperaThread::destructorStopsRunningJob()
{
    for (int i = 0; i < 400; ++i)
        QVERIFY(QDir().mkpath(Path(QString::number(i))));
    QTreeWidgetItem root(QStringList(m_dir->path()));
    root.setData(0, Qt::UserRole, 0);
    std::atomic<bool> finished{false};
    connect(
        m_thread.get(), &QThread::finished, this, [&finished] { finished = true; },
        Qt::DirectConnection);
    m_thread->SetTreeJob(&root, m_dir->path());
    m_thread->start();

    QElapsedTimer timer;
    timer.start();
    QTest::ignoreMessage(QtDebugMsg, "exit thread");
    m_thread.reset();
    QVERIFY(finished);
    QVERIFY(timer.elapsed() < 400 * 5);
    m_thread = std::make_unique<OperaThread>();
    CountEndSignals();
}

QTEST_MAIN(TestOperaThread)
#include "tst_operathread.moc"
