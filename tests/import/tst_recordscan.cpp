// The scan on the calling thread: its walk's rules (links, ignored paths), what it stores, in which order, a failed store.

#include "import/folderlisting.h"
#include "import/ignorerule.h"
#include "import/recordingopen.h"
#include "import/recordscan.h"
#include "import/scanconnection.h"
#include "records/recordquery.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The paths of the recordings below folder as a plain sequential walk meets them: QDir's listing, links followed once.
static void ReferenceWalk(const QString &folder, QSet<QString> &entered, QStringList &paths)
{
    for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.isFile() && entry.fileName().endsWith(".wav", Qt::CaseInsensitive))
            paths << entry.path() + "/" + entry.fileName();
        else if (entry.isDir() && !entered.contains(entry.canonicalFilePath()))
            entered.insert(entry.canonicalFilePath()), ReferenceWalk(entry.absoluteFilePath(), entered, paths);
    }
}

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
    void cleanup() { m_database.reset(), m_dir.reset(); }

    void linkSkipped_data()
    {
        QTest::addColumn<QStringList>("c"); QTest::addColumn<bool>("skipped"); // link target, current folder, trees walked
        for (const auto &[tag, c, skipped] : std::initializer_list<std::tuple<const char *, QStringList, bool>>{
                 {"outside", {"/other", "/rec/a", "/rec"}, false}, {"beside the tree, a longer name", {"/recx", "/rec/a", "/rec"}, false},
                 {"inside the tree", {"/rec/b", "/rec/a", "/rec"}, true}, {"the tree", {"/rec", "/rec/a", "/rec"}, true},
                 {"the current folder", {"/rec/a", "/rec/a"}, true}, {"above the current folder", {"/x", "/x/y/z", "/rec"}, true},
                 {"a sibling of a longer name", {"/x/ab", "/x/a", "/rec"}, false}, {"below the current folder", {"/x/a/b", "/x/a", "/rec"}, false},
                 {"in a hidden folder of the tree", {"/rec/.h/in", "/rec/a", "/rec"}, false}, {"a hidden folder of the tree", {"/rec/.h", "/rec/a", "/rec"}, false},
                 {"a dot inside a name", {"/rec/a.b/c", "/rec/a", "/rec"}, true}, {"a tree below a hidden folder", {"/.h/rec/b", "/.h/rec/a", "/.h/rec"}, true},
                 {"in a tree followed before", {"/out/x", "/rec/a", "/rec", "/out"}, true}, {"the root as tree", {"/x", "/y", "/"}, true}})
            QTest::newRow(tag) << c << skipped;
    }
    void linkSkipped()
    {
        QFETCH(QStringList, c); QFETCH(bool, skipped);
        QCOMPARE(LinkSkipped(c[0], c[1], c.mid(2)), skipped);
        if (QTest::currentDataTag() == QLatin1String("outside"))
            QCOMPARE(QStringList({ChildPath("/rec", "a"), ChildPath("/rec/", "a"), ChildPath("/", "a")}), QStringList({"/rec/a", "/rec/a", "/a"}));
    }

    // Paths ignored, then the one asked about.
    void ignoreRule_data()
    {
        QTest::addColumn<QStringList>("c"); QTest::addColumn<bool>("hidden");
        for (const auto &[tag, c, hidden] : std::initializer_list<std::tuple<const char *, QStringList, bool>>{
                 {"nothing ignored", {"/rec/a"}, false}, {"the folder", {"/rec/a", "/rec/a"}, true}, {"below", {"/rec/a", "/rec/a/x.wav"}, true},
                 {"longer name", {"/rec/a", "/rec/ab"}, false}, {"below a longer name", {"/rec/a", "/rec/a2/x.wav"}, false},
                 {"above", {"/rec/a", "/rec"}, false}, {"other case", {"/rec/a", "/rec/A"}, false}, {"with a slash, below", {"/rec/a/", "/rec/a/x"}, true},
                 {"with a slash, longer name", {"/rec/a/", "/rec/ab"}, false}, {"unclean", {"/rec/b/../a", "/rec/a/x"}, true},
                 {"second of two", {"/x", "/rec/a", "/rec/a"}, true}, {"the root", {"/", "/x"}, true}})
            QTest::newRow(tag) << c << hidden;
    }
    void ignoreRule()
    {
        QFETCH(QStringList, c); QFETCH(bool, hidden);
        const IgnoreRule rule(c.mid(0, c.size() - 1));
        QCOMPARE(rule.IsEmpty(), c.size() == 1);
        QCOMPARE(rule.Hides(c.last()), hidden);
    }

    // %1: the folder. Files of a listed folder keep the folder as given, further down absolute; the connection goes.
    void pathsAndFilters_data()
    {
        QTest::addColumn<QStringList>("paths"); QTest::addColumn<QStringList>("stored");
        QTest::newRow("folder, unclean") << QStringList{"%1/x.wav/.."}
            << QStringList{"%1/x.wav/../a.wav", "%1/x.wav/../B.WAV", "%1/c_folder/inside.wav", "%1/x.wav/../e.Wav", "%1/x.wav/in.wav"};
        QTest::newRow("file, unclean") << QStringList{"%1/x.wav/../a.wav"} << QStringList{"%1/x.wav/../a.wav"};
        QTest::newRow("paths in order, one twice") << QStringList{"%1/B.WAV", "%1/c_folder", "%1/B.WAV"} << QStringList{"%1/B.WAV", "%1/c_folder/inside.wav", "%1/B.WAV"};
        QTest::newRow("hidden file and folder given") << QStringList{"%1/.hidden.wav", "%1/.hidden folder"} << QStringList{"%1/.hidden.wav", "%1/.hidden folder/h.wav"};
        QTest::newRow("missing, other suffix, invalid") << QStringList{"%1/gone", "%1/c.wave", "%1/broken.wav"} << QStringList{"%1/c.wave"};
        QTest::newRow("none") << QStringList() << QStringList();
    }
    void pathsAndFilters()
    {
        QFETCH(QStringList, paths); QFETCH(QStringList, stored);
        for (const char *name : {"e.Wav", "d.txt", "c.wave", "B.WAV", "a.wav", "x.wav/in.wav", "c_folder/inside.wav", "wav",
                                 "a.wav.txt", ".hidden.wav", ".hidden folder/h.wav", "c_folder/.also hidden.wav"})
            QVERIFY(WriteRecording(Path(name)));
        RecordingFields broken;
        broken.marker = "radio_recordeX";
        QVERIFY(WriteRecording(Path("broken.wav"), broken) && Scan(paths.replaceInStrings("%1", m_dir->path())));
        QCOMPARE(m_database->Column("FilePath"), stored.replaceInStrings("%1", m_dir->path()));
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{QSqlDatabase::defaultConnection});
    }

    // Names equal but for case, links, a dangling link, one start time: the rows in the order of a sequential walk.
    void readersKeepTheWalkOrder()
    {
        QStringList names{"outside/o.wav", "outside/O.wav", "tree/f1/it's \"%1\".WAV", QString::fromUtf8("tree/f2/通话.wav"), "tree/f3/x.wav/inner.wav"};
        for (int i = 0; i < 600; ++i)
            names << QStringLiteral("tree/f%1/%2%3.wav").arg(i % 7).arg(QString::fromUtf8("aAbBäÄ").at(i % 6)).arg(i / 6);
        std::reverse(names.begin(), names.end()); // creation order differs from name order
        for (const QString &name : names)
            QVERIFY(WriteRecording(Path(name)));
        QVERIFY(QFile::link(Path("outside"), Path("tree/f0/out")) && QFile::link(Path("tree"), Path("tree/f4/back")));
        QVERIFY(QFile::link(Path("gone"), Path("tree/f5/gone.wav")));
        QSet<QString> entered{QFileInfo(Path("tree")).canonicalFilePath()};
        QStringList expected;
        ReferenceWalk(Path("tree"), entered, expected);
        QCOMPARE(expected.size(), names.size());
        QVERIFY(Scan({Path("tree")}));
        QCOMPARE(m_database->Column("FilePath"), expected);
    }

    // Entries in a listed recording's place: the bytes read of 216, -1 refused (a FIFO at once, never waited on).
    void opensOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind"); QTest::addColumn<int>("bytesRead");
        for (const auto &[kind, bytes] : {std::pair("recording", 216), {"link:recording", 216}, {"empty", 0}, {"fifo", -1}, {"link:fifo", -1},
                                          {"folder", -1}, {"link:folder", -1}, {"dangling", -1}, {"missing", -1}})
            QTest::newRow(kind) << QString(kind) << bytes;
    }
    void opensOnlyRegularFiles()
    {
        QFETCH(QString, kind); QFETCH(int, bytesRead);
        QVERIFY(MakeEntry(kind, Path("entry.wav")));
        char buffer[216];
        QCOMPARE(ReadRecordingStart(Path("entry.wav"), buffer, sizeof buffer).count, qint64(bytesRead));
        QFile file;
        QCOMPARE(OpenRecordingFile(file, Path("entry.wav")), bytesRead >= 0);
    }

    // Rows not stored: the scan stops, stores nothing more, keeps the batches committed before and says so.
    void failedStore_data()
    {
        QTest::addColumn<QString>("failing"); QTest::addColumn<int>("kept");
        QTest::newRow("past the first batch") << QString("new.rowid > %1").arg(ScanConnection::kRowsPerCommit + 10) << ScanConnection::kRowsPerCommit;
        QTest::newRow("the first batch's last row") << QString("new.FilePath like '%%1'").arg(Numbered(ScanConnection::kRowsPerCommit - 1)) << 0;
    }
    void failedStore()
    {
        QFETCH(QString, failing); QFETCH(int, kept);
        QStringList all;
        for (int i = 0; i < ScanConnection::kRowsPerCommit + 210; ++i)
            QVERIFY(WriteRecording(*all.insert(all.end(), Path(Numbered(i)))));
        QVERIFY(QSqlQuery().exec("create trigger full after insert on SaveViewDisp when " + failing + " begin select raise(abort, 'disk full'); end"));
        QVERIFY(!Scan({m_dir->path()}));
        QCOMPARE(m_database->Column("FilePath"), all.mid(0, kept));
        QVERIFY(QSqlQuery().exec("drop trigger full") && Scan({all[0]}));
        QCOMPARE(RecordScan({all[0]}, 0, Path("missing/working.db")).Run().failure, ScanResult::StoreFailed);
    }

    // A folder of 21 levels of 200-byte names, a recording at its bottom (a path of 4,200 bytes and more), and
    // one beside it: the scan stores what it reached and says what it could not read, never a short list alone.
    void pathPastTheLimit()
    {
        QVERIFY(WriteRecording(Path("a.wav")));
        const QByteArray name(200, 'd');
        int folder = ::open(QFile::encodeName(m_dir->path()).constData(), O_RDONLY | O_DIRECTORY);
        for (int level = 0; level < 21 && folder >= 0; ++level) {
            const int below = ::mkdirat(folder, name, 0700) == 0 ? ::openat(folder, name, O_RDONLY | O_DIRECTORY) : -1;
            ::close(folder);
            folder = below;
        }
        const QByteArray bytes = RecordingBytes(RecordingFields());
        const int file = folder < 0 ? -1 : ::openat(folder, "deep.wav", O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(file >= 0 && ::write(file, bytes.constData(), size_t(bytes.size())) == bytes.size());
        ::close(file);
        ::close(folder);
        RecordScan scan({m_dir->path()}, 0, m_database->FileName());
        const ScanResult result = scan.Run();
        QVERIFY(QProcess::execute("rm", {"-rf", Path(name)}) == 0);
        QCOMPARE(result.failure, ScanResult::ReadFailed);
        QCOMPARE(result.error, ENAMETOOLONG);
        QCOMPARE(m_database->Column("FileName"), QStringList("a.wav"));
    }

    void ignoreRules_data()
    {
        QTest::addColumn<QStringList>("ignoreRows"); QTest::addColumn<QString>("names"); // node:path ignored; the folder and top.wav scanned
        QTest::newRow("folder and below, not a longer name") << QStringList{"0:a"} << "a2,ab,q,top,t2,top";
        QTest::newRow("rows of other tree nodes, a file") << QStringList{"1:a", "2:top.wav", "0:top.wav"} << "a,sub,a2,ab,q,t2";
        QTest::newRow("quotes and placeholders") << QStringList{"0:it's \"%1\""} << "a,sub,a2,ab,top,t2,top";
        QTest::newRow("the folder scanned") << QStringList{"0:"} << "";
    }
    void ignoreRules()
    {
        QFETCH(QStringList, ignoreRows); QFETCH(QString, names);
        for (const char *name : {"a/a.wav", "a/sub/sub.wav", "a2/a2.wav", "ab/ab.wav", "top.wav", "top.wav2/t2.wav", "it's \"%1\"/q.wav"})
            QVERIFY(WriteRecording(Path(name)));
        for (const QString &row : ignoreRows)
            QVERIFY(m_database->AddIgnorePath(row.section(':', 0, 0).toInt(), m_dir->path() + "/" + row.section(':', 1)));
        QVERIFY(Scan({m_dir->path(), Path("top.wav")}));
        QCOMPARE(m_database->Column("replace(FileName, '.wav', '')").join(','), names);
    }

    // Asked between entries, answered false so many times (-1: always); the rows stored stay, the indexes are left.
    void stopRequest_data()
    {
        QTest::addColumn<int>("asks");
        for (int asks : {0, 1000, -1})
            QTest::addRow("%d", asks) << asks;
    }
    void stopRequest()
    {
        QFETCH(int, asks);
        QStringList all;
        for (int i = 0; i < 2000; ++i)
            QVERIFY(WriteRecording(*all.insert(all.end(), Path(Numbered(i)))));
        int asked = 0;
        QVERIFY(Scan({m_dir->path()}, [&] { return asks >= 0 && asked++ >= asks; }));
        const QStringList stored = m_database->Column("FilePath");
        QCOMPARE(stored, all.mid(0, stored.size()));
        QVERIFY2(asks < 0 ? stored.size() == all.size() : stored.size() <= asks, qPrintable(QString::number(stored.size())));
        QCOMPARE(CountRecords("select count(*) from sqlite_master where type = 'index'"), asks < 0 ? 3 : 0);
    }

private:
    QString Path(const QString &relative) const { return m_dir->filePath(relative); }
    static QString Numbered(int i) { return QStringLiteral("f%1/r%2.wav").arg(i / 100, 2, 10, QLatin1Char('0')).arg(i, 5, 10, QLatin1Char('0')); }
    bool Scan(const QStringList &paths, RecordScan::StopRequest stop = [] { return false; })
    {
        return RecordScan(paths, 0, m_database->FileName(), std::move(stop)).Run().failure == ScanResult::None;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDatabase> m_database;
};

QTEST_GUILESS_MAIN(TestRecordScan)
#include "tst_recordscan.moc"
