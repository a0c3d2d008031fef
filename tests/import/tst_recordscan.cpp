// The scan on the calling thread: what it stores and skips, in which order
// and under which paths, the ignore rule, its connection, a store that
// fails and a stop request.

#include "import/recordingopen.h"
#include "import/recordscan.h"
#include "import/scanconnection.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

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

QString Numbered(int i)
{
    return QStringLiteral("r%1.wav").arg(i, 5, 10, QLatin1Char('0'));
}

int IndexCount()
{
    QSqlQuery query("select count(*) from sqlite_master where type = 'index'");
    return query.next() ? query.value(0).toInt() : -1;
}

} // namespace

class TestRecordScan : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_database = std::make_unique<TestDatabase>();
        QVERIFY(m_dir->isValid() && m_database->IsReady());
    }
    void cleanup()
    {
        m_database.reset();
        m_dir.reset();
    }

    // %1 stands for the folder. Files of a listed folder keep the folder as
    // it was given, files further down get absolute paths.
    void pathsAndFilters_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("folder, unclean") << QStringList{"%1/x.wav/.."}
            << QStringList{"%1/x.wav/../a.wav", "%1/x.wav/../B.WAV", "%1/c_folder/inside.wav", "%1/x.wav/../e.Wav", "%1/x.wav/in.wav"};
        QTest::newRow("file, unclean") << QStringList{"%1/x.wav/../a.wav"} << QStringList{"%1/x.wav/../a.wav"};
        QTest::newRow("paths in order, one twice") << QStringList{"%1/B.WAV", "%1/c_folder", "%1/B.WAV"}
            << QStringList{"%1/B.WAV", "%1/c_folder/inside.wav", "%1/B.WAV"};
        QTest::newRow("hidden file and folder given") << QStringList{"%1/.hidden.wav", "%1/.hidden folder"}
            << QStringList{"%1/.hidden.wav", "%1/.hidden folder/h.wav"};
        QTest::newRow("missing and invalid") << QStringList{"%1/gone", "%1/c.wave", "%1/broken.wav"} << QStringList{"%1/c.wave"};
        QTest::newRow("none") << QStringList() << QStringList();
    }
    void pathsAndFilters()
    {
        QFETCH(QStringList, paths);
        QFETCH(QStringList, stored);
        for (const char *name : {"e.Wav", "d.txt", "c.wave", "B.WAV", "a.wav", "x.wav/in.wav", "c_folder/inside.wav", "wav",
                                 "a.wav.txt", ".hidden.wav", ".hidden folder/h.wav", "c_folder/.also hidden.wav"})
            QVERIFY(WriteRecording(Path(name)));
        RecordingFields broken;
        broken.marker = "radio_recordeX";
        QVERIFY(WriteRecording(Path("broken.wav"), broken));
        QVERIFY(Scan(paths.replaceInStrings("%1", m_dir->path())));
        QCOMPARE(m_database->Column("FilePath"), stored.replaceInStrings("%1", m_dir->path()));
    }

    // Names that sort equal ignoring case, links and a dangling link, all with
    // one start time: the listing's order is the order the rows were stored in.
    void readersKeepTheWalkOrder()
    {
        const QString letters = QString::fromUtf8("aAbBäÄ");
        QStringList names{"outside/o.wav", "outside/O.wav"};
        for (int i = 0; i < 600; ++i)
            names << QStringLiteral("tree/f%1/%2%3.wav").arg(i % 7).arg(letters.at(i % 6)).arg(i / 6);
        names << "tree/f1/it's \"%1\".WAV" << QString::fromUtf8("tree/f2/通话.wav") << "tree/f3/x.wav/inner.wav";
        std::reverse(names.begin(), names.end()); // creation order differs from name order
        for (const QString &name : names)
            QVERIFY(WriteRecording(Path(name)));
        QVERIFY(QFile::link(Path("outside"), Path("tree/f0/out")));
        QVERIFY(QFile::link(Path("tree"), Path("tree/f4/back")));
        QVERIFY(QFile::link(Path("gone"), Path("tree/f5/gone.wav")));

        QSet<QString> entered{QFileInfo(Path("tree")).canonicalFilePath()};
        QStringList expected;
        ReferenceWalk(Path("tree"), entered, expected);
        QCOMPARE(expected.size(), names.size());
        QVERIFY(Scan({Path("tree")}));
        QCOMPARE(m_database->Column("FilePath"), expected);
    }

    // Entries of a kind in a recording's place; the bytes read of 216, -1
    // when refused. A FIFO must not hold the reader: an open that waited for
    // a writer would hang the test until its watchdog fails it.
    void opensOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("bytesRead");
        QTest::newRow("recording") << "recording" << 216;
        QTest::newRow("empty file") << "empty" << 0;
        QTest::newRow("link to a recording") << "link:recording" << 216;
        for (const char *kind : {"fifo", "link:fifo", "folder", "link:folder", "dangling", "missing"})
            QTest::newRow(kind) << kind << -1;
    }
    void opensOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(int, bytesRead);
        const QString path = Path("entry.wav");
        QVERIFY(MakeEntry(kind, path));
        char buffer[216];
        QCOMPARE(ReadRecordingStart(path, buffer, sizeof buffer), qint64(bytesRead));
        QFile file;
        QCOMPARE(OpenRecordingFile(file, path), bytesRead >= 0);
        QVERIFY(Scan({path}));
        QCOMPARE(m_database->RowCount(), int(bytesRead > 0));
    }

    // The rows past the first batch cannot be stored: the scan stops at once,
    // keeps the committed batch and says so.
    void failedStoreStopsAndKeepsEarlierBatches()
    {
        constexpr int kStorable = ScanConnection::kRowsPerCommit + 10;
        for (int i = 0; i < kStorable + 200; ++i)
            QVERIFY(WriteRecording(Path(Numbered(i))));
        QVERIFY(QSqlQuery().exec(QStringLiteral("create trigger full after insert on SaveViewDisp when new.rowid > %1 "
                                                "begin select raise(abort, 'database or disk is full'); end").arg(kStorable)));
        QVERIFY(!Scan({m_dir->path()}));
        QCOMPARE(m_database->RowCount(), ScanConnection::kRowsPerCommit);
        QCOMPARE(m_database->Column("FileName").constLast(), Numbered(ScanConnection::kRowsPerCommit - 1));
        QVERIFY(QSqlQuery().exec("drop trigger full"));
        QVERIFY(Scan({Path(Numbered(0))}));
        QVERIFY(!RecordScan({Path(Numbered(0))}, 0, Path("missing/working.db")).Run());
    }

    void ignoreRules_data()
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
        QTest::newRow("folder hides itself and below, not a sibling of a longer name") << QStringList{"0:a"} << allBut({"a.wav", "sub.wav"});
        QTest::newRow("rows of another tree node number") << QStringList{"1:a", "2:top.wav"} << all;
        QTest::newRow("subfolder, with a trailing slash") << QStringList{"0:a/sub/"} << allBut({"sub.wav"});
        QTest::newRow("file, not one of a longer name") << QStringList{"0:top.wav"} << allBut({"top.wav"});
        QTest::newRow("unclean path") << QStringList{"0:b/../ab"} << allBut({"ab.wav"});
        QTest::newRow("quotes and placeholders") << QStringList{"0:it's \"%1\""} << allBut({"q.wav"});
        QTest::newRow("the scanned folder") << QStringList{"0:"} << QStringList();
    }
    void ignoreRules()
    {
        QFETCH(QStringList, ignoreRows);
        QFETCH(QStringList, names);
        for (const char *name : {"a/a.wav", "a/sub/sub.wav", "a2/a2.wav", "ab/ab.wav", "top.wav", "top.wav2/t2.wav", "it's \"%1\"/q.wav"})
            QVERIFY(WriteRecording(Path(name)));
        for (const QString &row : ignoreRows)
            QVERIFY(m_database->AddIgnorePath(row.section(':', 0, 0).toInt(), m_dir->path() + "/" + row.section(':', 1)));
        QVERIFY(Scan({m_dir->path()}));
        QCOMPARE(m_database->Column("FileName"), names);
    }

    // The scan writes through a connection of its own to the file it is
    // given, and removes that connection at the end.
    void scanUsesItsOwnConnection()
    {
        TestDatabase other(QStringLiteral("other"));
        QVERIFY(other.IsReady() && other.AddIgnorePath(0, Path("hidden")));
        QVERIFY(WriteRecording(Path("hidden/h.wav")) && WriteRecording(Path("shown.wav")));
        QVERIFY(RecordScan({m_dir->path()}, 0, other.FileName()).Run());
        QCOMPARE(other.Column("FileName"), QStringList{"shown.wav"});
        QCOMPARE(m_database->RowCount(), 0);
        QStringList connections = QSqlDatabase::connectionNames();
        connections.sort();
        QCOMPARE(connections, (QStringList{"other", QSqlDatabase::defaultConnection}));
    }

    // Asked between files and folders; after a stop the rows stored stay, in
    // walk order, and the listing's indexes are left to a later scan.
    void stopRequest_data()
    {
        QTest::addColumn<int>("asks"); // answered false before the stop; -1: never stopped
        QTest::newRow("at once") << 0;
        QTest::newRow("on the way") << 1000;
        QTest::newRow("never") << -1;
    }
    void stopRequest()
    {
        QFETCH(int, asks);
        QStringList all;
        for (int i = 0; i < 2000; ++i)
            QVERIFY(WriteRecording(Path(*all.insert(all.end(), QStringLiteral("f%1/%2").arg(i / 100, 2, 10, QLatin1Char('0')).arg(Numbered(i))))));
        int asked = 0;
        QVERIFY(Scan({m_dir->path()}, [&] { return asks >= 0 && asked++ >= asks; }));
        const QStringList stored = m_database->Column("FilePath");
        QCOMPARE(stored, all.mid(0, stored.size()).replaceInStrings(QRegularExpression("^"), m_dir->path() + "/"));
        QVERIFY2(asks < 0 ? stored.size() == all.size() : stored.size() <= asks, qPrintable(QString::number(stored.size())));
        QCOMPARE(IndexCount(), asks < 0 ? 3 : 0);
    }

private:
    QString Path(const QString &relative) const { return m_dir->filePath(relative); }
    bool Scan(const QStringList &paths, RecordScan::StopRequest stop = [] { return false; })
    {
        return RecordScan(paths, 0, m_database->FileName(), std::move(stop)).Run();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDatabase> m_database;
};

QTEST_GUILESS_MAIN(TestRecordScan)
#include "tst_recordscan.moc"
