// The import worker's thread: the tree it builds, its end signals and Cancel.

#include "import/operathread.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QElapsedTimer>
#include <QTreeWidget>
#include <QtTest>

// "name(child,child(grandchild))" for the items below item, in their order.
static QString TreeShape(const QTreeWidgetItem *item)
{
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i) {
        const QString below = TreeShape(item->child(i));
        children << item->child(i)->text(0) + (below.isEmpty() ? "" : "(" + below + ")");
    }
    return children.join(',');
}

class TestOperaThread : public QObject
{
    Q_OBJECT

private slots:
    // Hidden folders and links into the tree are left out, a link into a hidden folder is followed; the worker rests 5 ms
    // after each folder and never touches the tree's items: its own appear when attached.
    void tree()
    {
        QTemporaryDir dir;
        for (const char *folder : {"b", "A", "c/z", "c/Y/deep", "a2", "x.wav", ".hidden/inner", "c/.hidden too"})
            QVERIFY(QDir().mkpath(dir.filePath(folder)));
        QVERIFY(WriteRecording(dir.filePath("file.wav")) && QFile::link(dir.filePath("c"), dir.filePath("b/back")));
        QVERIFY(QFile::link(dir.filePath(".hidden"), dir.filePath("b/in hidden")));
        QTreeWidget tree;
        auto *root = new QTreeWidgetItem(&tree, QStringList(dir.path()));
        root->setData(0, Qt::UserRole, 7);
        OperaThread worker;
        QElapsedTimer timer;
        timer.start();
        worker.SetTreeJob(root, dir.path());
        QVERIFY2(RunJob(worker, &OperaThread::UpdataTree), "no single end signal within 10 s");
        QVERIFY2(timer.elapsed() >= 10 * 5, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(root->childCount(), 0);
        worker.AttachBuiltTree();
        QCOMPARE(TreeShape(root), "A,a2,b(in hidden(inner)),c(Y(deep),z),x.wav");
        QCOMPARE(root->child(3)->child(0)->child(0)->data(0, Qt::UserRole).toInt(), 7);
    }

    // The journal beside the database shows rows going in; after Cancel they stay and the end signal still arrives, once.
    // A database that cannot be opened is a store failure, the next job's is not.
    void scanCancelAndStoreFailure()
    {
        QTemporaryDir dir;
        TestDatabase database;
        for (int i = 0; i < 3000; ++i)
            QVERIFY(WriteRecording(dir.filePath(QStringLiteral("f%1/r%2.wav").arg(i / 100).arg(i))));
        const QString journal = database.FileName() + "-journal";
        OperaThread worker;
        int ends = 0;
        connect(&worker, &OperaThread::EndFindWav, this, [&ends] { ++ends; });
        worker.SetScanJob(dir.path(), 0);
        worker.start();
        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(journal) && !deadline.hasExpired())
            QThread::yieldCurrentThread();
        QVERIFY2(!deadline.hasExpired(), "no rows written within 10 s");
        worker.requestInterruption(); // Cancel, with a bounded wait
        QVERIFY2(worker.WaitForEnd(10000) && !QFile::exists(journal), "the worker not ended within 10 s of Cancel");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ends, 1);
        QVERIFY2(database.RowCount() > 0 && database.RowCount() < 3000, qPrintable(QString::number(database.RowCount())));
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{QSqlDatabase::defaultConnection});
        worker.SetScanJob(dir.filePath("f0/r0.wav"), 0, dir.filePath("missing/working.db"));
        QVERIFY2(RunJob(worker, &OperaThread::EndFindWav) && worker.LastScanResult().failure == ScanResult::StoreFailed, "no single end signal within 10 s, or no failure");
        worker.SetScanJob(dir.filePath("f0/r0.wav"), 0, database.FileName());
        QVERIFY2(RunJob(worker, &OperaThread::EndFindWav) && worker.LastScanResult().failure == ScanResult::None, "no single end signal within 10 s, or a failure");
    }

private:
    // The job's one end signal, as the GUI thread receives it (queued), within 10 s.
    bool RunJob(OperaThread &worker, void (OperaThread::*end)())
    {
        int ends = 0;
        const QMetaObject::Connection counting = connect(&worker, end, this, [&ends] { ++ends; });
        worker.start();
        const bool ended = QTest::qWaitFor([&ends] { return ends > 0; }, 10000) && worker.WaitForEnd(10000);
        QCoreApplication::sendPostedEvents();
        disconnect(counting);
        return ended && ends == 1;
    }
};

QTEST_MAIN(TestOperaThread)
#include "tst_operathread.moc"
