// The import worker's thread: the tree it builds, its end signals, Cancel,
// and the store failure it reports.

#include "import/operathread.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int kJobTimeoutMs = 10000;

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

} // namespace

class TestOperaThread : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_database = std::make_unique<TestDatabase>();
        QVERIFY(m_dir->isValid() && m_database->IsReady());
        m_worker = std::make_unique<OperaThread>();
        m_scanEnds = m_treeEnds = 0;
        connect(m_worker.get(), &OperaThread::EndFindWav, this, [this] { ++m_scanEnds; });
        connect(m_worker.get(), &OperaThread::UpdataTree, this, [this] { ++m_treeEnds; });
    }
    void cleanup()
    {
        m_worker.reset();
        m_tree.clear();
        m_database.reset();
        m_dir.reset();
    }

    // Hidden folders, files and links to folders already in the tree are left out.
    void treeShapeOrderAndNodeNumbers()
    {
        for (const char *folder : {"b", "A", "c/z", "c/Y/deep", "a2", "x.wav", ".hidden/inner", "c/.hidden too"})
            QVERIFY(QDir().mkpath(Path(folder)));
        QVERIFY(WriteRecording(Path("file.wav")) && WriteRecording(Path("c/z/in.wav")));
        QVERIFY(QFile::link(Path("c"), Path("b/back")) && QFile::link(Path(".hidden"), Path("b/in hidden")));
        QCOMPARE(BuildTree(7), QStringLiteral("A,a2,b(in hidden(inner)),c(Y(deep),z),x.wav"));
        const QTreeWidgetItem *deep = m_tree.topLevelItem(0)->child(3)->child(0)->child(0);
        QCOMPARE(deep->data(0, Qt::UserRole).toInt(), 7);
    }

    // The worker rests 5 ms after each folder it adds to the tree.
    void treePausesAfterEachFolder()
    {
        for (int i = 0; i < 40; ++i)
            QVERIFY(QDir().mkpath(Path(QString::number(i))));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(BuildTree().count(',') + 1, 40);
        QVERIFY2(timer.elapsed() >= 40 * 5, qPrintable(QString::number(timer.elapsed())));
    }

    // One end signal per job; a database that cannot be opened is a store failure.
    void scanEndsOnce()
    {
        QVERIFY(WriteRecording(Path("a.wav")));
        QVERIFY(RunScan(Path("missing/working.db")));
        QVERIFY(m_worker->StoreFailed());
        QVERIFY(RunScan(m_database->FileName()));
        QVERIFY(!m_worker->StoreFailed());
        QCOMPARE(m_database->Column("FileName"), QStringList{"a.wav"});
    }

    // The rollback journal beside the database exists from the job's first
    // insert to its commit: it shows that rows are being written. After Cancel
    // the rows written stay and the end signal still arrives, once.
    void cancelKeepsRowsAndEnds()
    {
        constexpr int kFiles = 3000;
        for (int i = 0; i < kFiles; ++i)
            QVERIFY(WriteRecording(Path(QStringLiteral("f%1/r%2.wav").arg(i / 100).arg(i))));
        const QString journal = m_database->FileName() + "-journal";
        m_worker->SetScanJob(m_dir->path(), 0);
        m_worker->start();
        const QDeadlineTimer deadline(kJobTimeoutMs);
        while (!QFile::exists(journal) && !deadline.hasExpired())
            QThread::yieldCurrentThread();
        QVERIFY2(!deadline.hasExpired(), "no rows written within 10 s");
        m_worker->CancelAndWait();
        QVERIFY(m_worker->isFinished());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(m_scanEnds, 1);
        QVERIFY(!QFile::exists(journal));
        const int rows = m_database->RowCount();
        QVERIFY2(rows > 0 && rows < kFiles, qPrintable(QString::number(rows)));
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{QSqlDatabase::defaultConnection});
    }

private:
    QString Path(const QString &relative) const { return m_dir->filePath(relative); }

    // Exactly one end signal arrives, and the worker ends.
    bool RunScan(const QString &databaseName)
    {
        const int before = m_scanEnds;
        m_worker->SetScanJob(m_dir->path(), 0, databaseName);
        m_worker->start();
        return QTest::qWaitFor([&] { return m_scanEnds > before; }, kJobTimeoutMs)
               && m_worker->WaitForEnd(kJobTimeoutMs) && m_scanEnds == before + 1;
    }

    // The tree built below a new top-level item for the folder, attached.
    QString BuildTree(int nodeNumber = 0)
    {
        auto *root = new QTreeWidgetItem(&m_tree, QStringList(m_dir->path()));
        root->setData(0, Qt::UserRole, nodeNumber);
        const int before = m_treeEnds;
        m_worker->SetTreeJob(root, m_dir->path());
        m_worker->start();
        if (!QTest::qWaitFor([&] { return m_treeEnds > before; }, kJobTimeoutMs) || !m_worker->WaitForEnd(kJobTimeoutMs))
            return "(not built within 10 s)";
        // The worker never touches the tree's items: its own appear when attached.
        if (root->childCount() != 0)
            return "(attached by the worker)";
        m_worker->AttachBuiltTree();
        return TreeShape(root);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<OperaThread> m_worker;
    QTreeWidget m_tree;
    // The worker's end signals as the GUI thread receives them: queued.
    int m_scanEnds = 0;
    int m_treeEnds = 0;
};

QTEST_MAIN(TestOperaThread)
#include "tst_operathread.moc"
