// The file operations on records: rename, delete, the export's plan, its names and its copies.

#include "import/recordscan.h"
#include "records/csvline.h"
#include "records/exportmanifest.h"
#include "records/recordfileops.h"
#include "records/recordingexport.h"
#include "records/recordquery.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

static QStringList Entries(const QString &folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot); }

static bool AddRecord(const QString &path, bool checked = false)
{
    return QSqlQuery().exec(QStringLiteral("insert into SaveViewDisp (FileCheck, FileName, FilePath) values(%1, %2, %3)")
                                .arg(int(checked)).arg(SqlText(QFileInfo(path).fileName()), SqlText(path)));
}

static RecordRow Row(const QString &path, bool checked = true) { return MakeRecordRow({checked, QFileInfo(path).fileName(), "2024-03-07 09:05:03", {}, 1001, 2002, 2, 1, {}, {}, path, 2, 77}, 1); }

class TestRecordFileOps : public QObject
{
    Q_OBJECT

private slots:
    // Beside old.wav: recording.wav, folder.wav, fifo.wav, dangling.wav (a dangling link), listed.wav (a record only).
    void checkRename_data()
    {
        QTest::addColumn<QStringList>("c"); // old name, typed name, new name ("" taken, "-" blank, "." hidden)
        for (const auto &[tag, c] : std::initializer_list<std::tuple<const char *, QStringList>>{
                 {"empty", {"old.wav", "", "-"}}, {"blanks only", {"old.wav", "   ", "-"}}, {"unchanged", {"old.wav", "old", "old.wav"}},
                 {"unchanged as shown", {"a\tb.wav", QString::fromUtf8("a\uFFFDb"), "a\tb.wav"}},
                 {"other case", {"old.wav", "OLD", "OLD.wav"}}, {"blanks around", {"old.wav", " new ", " new .wav"}}})
            QTest::newRow(tag) << c;
        for (const char *name : {"recording", "folder", "fifo", "dangling", "listed"})
            QTest::newRow(name) << QStringList{"old.wav", name, ""};
        for (const char *name : {".", "..", ".old"})
            QTest::newRow(name) << QStringList{"old.wav", name, "."};
        QTest::newRow("unchanged hidden") << QStringList{".old.wav", ".old", ".old.wav"};
    }
    void checkRename()
    {
        QFETCH(QStringList, c);
        QTemporaryDir dir;
        TestDatabase database;
        for (const char *kind : {"recording", "folder", "fifo", "dangling"})
            QVERIFY(MakeEntry(kind, dir.filePath(kind + QString(".wav"))));
        QVERIFY(MakeEntry("recording", dir.filePath(c[0])) && AddRecord(dir.filePath(c[0])) && AddRecord(dir.filePath("listed.wav")));
        const RenameDecision decision = CheckRename(dir.filePath(c[0]), c[1]);
        const RenameCheck check = c[2] == "-" ? RenameCheck::Blank : c[2] == "." ? RenameCheck::Hidden
                                  : c[2].isEmpty() ? RenameCheck::NameTaken : RenameCheck::Accepted;
        QCOMPARE(int(decision.check), int(check));
        QCOMPARE(decision.newName + '|' + decision.newPath, check == RenameCheck::Accepted ? c[2] + '|' + dir.filePath(c[2]) : "|");
    }

    // What holds new.wav when old.wav is renamed to it ("" old.wav gone).
    void renameRecording_data()
    {
        QTest::addColumn<QString>("blocker");
        for (const char *kind : {"missing", "recording", "empty", "folder", "fifo", "dangling", "link:recording", ""})
            QTest::newRow(kind) << kind;
    }
    void renameRecording()
    {
        QFETCH(QString, blocker);
        QTemporaryDir dir;
        TestDatabase database;
        QVERIFY((blocker.isEmpty() || MakeEntry("recording", dir.filePath("old.wav"))) && AddRecord(dir.filePath("old.wav")));
        QVERIFY(blocker.isEmpty() || MakeEntry(blocker, dir.filePath("new.wav")));
        const QStringList before = Snapshot(dir.path());
        const bool renamed = blocker == "missing";
        QCOMPARE(RenameRecording(dir.filePath("old.wav"), "new.wav", dir.filePath("new.wav")), renamed);
        QCOMPARE(Snapshot(dir.path()), renamed ? Moved(before, "old.wav", "new.wav") : before);
        QCOMPARE(database.Column("FileName || ' ' || FilePath"), QStringList(renamed ? "new.wav " + dir.filePath("new.wav") : "old.wav " + dir.filePath("old.wav")));
    }

    // One record's entry and mark beside an unchecked recording: what the export takes (a checked record it cannot take
    // makes it partial), then what the delete removes (one it cannot remove is refused and kept).
    void checkedRecords_data()
    {
        QTest::addColumn<QString>("kind"); QTest::addColumn<QVector<int>>("c"); // checked, exported, deleted
        QTest::newRow("unchecked") << "recording" << QVector<int>{0, 0, 0};
        QTest::newRow("unchecked folder") << "folder" << QVector<int>{0, 0, 0};
        for (const char *kind : {"recording", "empty", "link:recording"})
            QTest::newRow(kind) << kind << QVector<int>{1, 1, 1};
        for (const char *kind : {"missing", "dangling"}) // gone: counted as deleted, a dangling link left as it is
            QTest::newRow(kind) << kind << QVector<int>{1, 0, 1};
        for (const char *kind : {"fifo", "link:fifo"})
            QTest::newRow(kind) << kind << QVector<int>{1, 0, 0};
        QTest::newRow("folder") << "folder" << QVector<int>{1, 0, 0};
    }
    void checkedRecords()
    {
        QFETCH(QString, kind); QFETCH(QVector<int>, c);
        QTemporaryDir dir;
        TestDatabase database;
        const QString keep = dir.filePath("keep.wav"), path = dir.filePath("x.wav");
        QVERIFY(MakeEntry("recording", keep) && MakeEntry(kind, path) && AddRecord(keep) && AddRecord(path, c[0]));
        const QList<RecordRow> rows{Row(keep, false), Row(path, c[0])};
        const ExportPlan plan = PlanExport(rows);
        const DeleteOutcome outcome = DeleteCheckedRecords(rows);
        QCOMPARE((QVector<int>{plan.taken.size(), plan.missing.size(), outcome.deletedCount, outcome.someRefused, outcome.keptRows.size(), outcome.keptRows.last().checked}),
                 (QVector<int>{c[1], c[0] && !c[1], c[2], c[0] && !c[2], 2 - c[2], c[0] && !c[2]}));
        QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), (!c[2] && kind != "missing") || kind == "dangling");
        QCOMPARE(database.Column("FilePath"), (c[2] ? QStringList{keep} : QStringList{keep, path}));
    }

    // A recording listed by the scan, then changed behind the program's back: Rename and Delete act
    // only on the file that was listed, and nothing else changes.
    void listedFileOnly_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"none", "replaced", "folder swapped for a link", "link to another file", "fifo"})
            QTest::newRow(change) << change;
    }
    void listedFileOnly()
    {
        QFETCH(QString, change);
        QTemporaryDir dir;
        TestDatabase database;
        const QString path = dir.filePath("src/d.wav"), renamed = dir.filePath("src/e.wav");
        QVERIFY(WriteRecording(path) && WriteRecording(dir.filePath("victim/d.wav")) && WriteRecording(dir.filePath("new.wav")));
        QCOMPARE(RecordScan({dir.filePath("src")}, 0, database.FileName()).Run().failure, ScanResult::None);
        const QByteArray real = QFile::encodeName(path);
        if (change == "replaced")
            QVERIFY(std::rename(QFile::encodeName(dir.filePath("new.wav")).constData(), real.constData()) == 0);
        else if (change == "folder swapped for a link")
            QVERIFY(QDir(dir.filePath("src")).removeRecursively() && QFile::link(dir.filePath("victim"), dir.filePath("src")));
        else if (change != "none")
            QVERIFY(QFile::remove(path) && MakeEntry(change == "fifo" ? "fifo" : "missing", path)
                    && (change == "fifo" || QFile::link(dir.filePath("victim/d.wav"), path)));
        const QStringList before = Snapshot(dir.path());
        const bool same = change == "none";
        QCOMPARE(RenameRecording(path, "e.wav", renamed), same);
        QCOMPARE(DeleteCheckedRecords({Row(same ? renamed : path, true)}).deletedCount, int(same));
        QCOMPARE(Snapshot(dir.path()), same ? Moved(before, "src/d.wav", "") : before);
    }

    // A working database that refuses to change its records: the file keeps its name, or its deletion is said.
    void listFollowsDisk()
    {
        QTemporaryDir dir;
        TestDatabase database;
        const QString path = dir.filePath("d.wav");
        QVERIFY(MakeEntry("recording", path) && AddRecord(path, true));
        for (const char *when : {"update", "delete"})
            QVERIFY(QSqlQuery().exec(QStringLiteral("create trigger refuse%1 before %1 on SaveViewDisp begin select raise(abort, 'read-only'); end").arg(when)));
        const QStringList before = Snapshot(dir.path());
        QVERIFY(!RenameRecording(path, "e.wav", dir.filePath("e.wav")));
        QCOMPARE(Snapshot(dir.path()), before);
        const DeleteOutcome outcome = DeleteCheckedRecords({Row(path, true)});
        QVERIFY(outcome.recordsKept && outcome.deletedCount == 1 && !QFileInfo::exists(path));
    }

    // A copy's time suffix and mode (the source's, less the umask), the manifest's names by the export's time and
    // attempt, a copy's line in the checksum file.
    void exportRules()
    {
        QStringList suffixed;
        const QDateTime time({2024, 3, 7}, {14, 5, 9, 42});
        for (const char *target : {"/out/call.wav", ".wav", "a.w", ""})
            suffixed << WithTimeSuffix(target, time);
        QCOMPARE(suffixed, QStringList({"/out/call-240307140509042.wav", "-240307140509042.wav", "-240307140509042a.w", "-240307140509042"}));
        QCOMPARE((QStringList{ManifestStem(time, 1), ManifestStem(time, 2), ManifestStem(QDateTime({2026, 12, 31}, {23, 59, 59}), 10)}),
                 (QStringList{"export-20240307-140509", "export-20240307-140509-2", "export-20261231-235959-10"}));
        QCOMPARE((QList<unsigned>{CopyMode(0666, 022), CopyMode(0644, 0), CopyMode(0100755, 027), CopyMode(04777, 0)}), (QList<unsigned>{0644, 0644, 0750, 0777}));
        QCOMPARE((QList<QByteArray>{ChecksumLine(" a.wav", "ab"), ChecksumLine("\\\n\r.wav", "ab")}), (QList<QByteArray>{"ab   a.wav\n", "\\ab  \\\\\\n\\r.wav\n"}));
    }

    // A recording of the row's name (modified at a time to the nanosecond, its mode 0444) and one gone since the
    // listing, exported under umask 027 into a folder where entries of a kind hold names of the export's time.
    void exportWritesManifest_data()
    {
        QTest::addColumn<QString>("name"); QTest::addColumn<QStringList>("taken"); QTest::addColumn<QString>("stem");
        QTest::newRow("plain") << "a.wav" << QStringList{} << "export-20261207-142233";
        QTest::newRow("backslash, LF and CR, checksum name taken") << "a\\b\nc\r.wav" << QStringList{"dangling .sha256"} << "export-20261207-142233-2";
        QTest::newRow("comma and quote, manifest name and the next checksum name taken")
            << "a,\"b\".wav" << QStringList{"empty .manifest.csv", "fifo -2.sha256"} << "export-20261207-142233-3";
    }
    void exportWritesManifest()
    {
        QFETCH(QString, name); QFETCH(QStringList, taken); QFETCH(QString, stem);
        QTemporaryDir source, out;
        const mode_t umask = ::umask(027);
        const auto restoreUmask = qScopeGuard([umask] { ::umask(umask); });
        const QString path = source.filePath(name), gone = source.filePath("gone.wav"), copy = out.filePath(name);
        const struct timespec modified[2] = {{0, UTIME_OMIT}, {1709802303, 123456789}};
        QVERIFY(MakeEntry("recording", path) && ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), modified, 0) == 0 && QFile::setPermissions(path, QFile::Permissions(0x4444)));
        for (const QString &entry : taken) // its kind, then what follows the export's time in its name
            QVERIFY(MakeEntry(entry.section(' ', 0, 0), out.filePath("export-20261207-142233" + entry.section(' ', 1))));
        const QStringList before = Snapshot(out.path());
        RecordingExport job({{Row(path)}, {Row(gone)}}, out.path(), QDateTime({2026, 12, 7}, {14, 22, 33}), CopyRecording);
        job.Start();
        QTRY_VERIFY_WITH_TIMEOUT(job.IsFinished(), 10000);
        QFile manifest(out.filePath(stem + kManifestSuffix)), copied(copy);
        QVERIFY(manifest.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
        const QString hash = QCryptographicHash::hash(copied.readAll(), QCryptographicHash::Sha256).toHex();
        const QStringList shown{"2024-03-07 09:05:03", "1001", "2002", "77", "Group Call", "Call Record"};
        QCOMPARE(QString::fromUtf8(manifest.readAll()), CsvLine(ManifestColumnNames()) + CsvLine(QStringList{name, path, QString::number(copied.size()), hash} + shown << "copied")
                                                            + CsvLine(QStringList{"", gone, "", ""} + shown << "missing"));
        QCOMPARE((QList<int>{int(copied.permissions() & 0x7077), int(manifest.permissions() & 0x7077)}), (QList<int>{0x4040, 0x6040})); // owner, group, other
        QProcess check;
        check.setWorkingDirectory(out.path());
        check.start("sha256sum", {"--check", "--strict", stem + kChecksumSuffix});
        QVERIFY2(check.waitForFinished(10000) && check.exitCode() == 0, check.readAll().constData());
        struct stat status;
        QVERIFY(::stat(QFile::encodeName(copy).constData(), &status) == 0 && status.st_mtim.tv_sec == 1709802303 && status.st_mtim.tv_nsec == 123456789);
        QCOMPARE(Moved(Moved(Moved(Snapshot(out.path()), name, ""), stem + kManifestSuffix, ""), stem + kChecksumSuffix, ""), before);
    }

    // A source of a kind copied under a name beside a call.wav of a kind; a copy that fails leaves nothing behind.
    void copyRecording_data()
    {
        QTest::addColumn<QStringList>("c"); // source, what holds call.wav, name, "stop" to stop
        for (const char *kind : {"recording", "empty", "link:recording", "missing", "folder", "fifo", "link:fifo", "dangling"})
            QTest::newRow(kind) << QStringList{kind, "missing", "call.wav", ""};
        for (const char *kind : {"recording", "empty", "folder", "fifo", "dangling"})
            QTest::addRow("call.wav taken: %s", kind) << QStringList{"recording", kind, "call.wav", ""};
        QTest::newRow("stopped") << QStringList{"recording", "missing", "call.wav", "stop"};
        QTest::newRow("final name too long") << QStringList{"recording", "missing", QString(300, 'n') + ".wav", ""};
        QTest::newRow("final name in a missing folder") << QStringList{"recording", "missing", "sub/call.wav", ""};
    }
    void copyRecording()
    {
        QFETCH(QStringList, c);
        QTemporaryDir source, out;
        const QString path = source.filePath("x.wav");
        QVERIFY(MakeEntry(c[0], path) && MakeEntry(c[1], out.filePath("call.wav")));
        const bool copied = QFileInfo(path).isFile() && c[3].isEmpty() && c[2] == "call.wav";
        QCOMPARE(CopyRecording(path, out.path(), c[2], [&c] { return !c[3].isEmpty(); }).has_value(), copied);
        QStringList added = Entries(out.path());
        added.removeOne(c[1] == "missing" ? "" : "call.wav");
        const QString name = c[1] == "missing" ? "^call\\.wav$" : "^call-\\d{15}\\.wav$";
        QVERIFY2(copied ? added.size() == 1 && QRegularExpression(name).match(added[0]).hasMatch() : added.isEmpty(), qPrintable(added.join(',')));
        QVERIFY(!copied || ContentHash(out.filePath(added[0])) == ContentHash(path));
    }

    // Three copies under a name that is taken: a time suffix for each, taken anew until it is free.
    void exportTakesFreeNameForEachFile()
    {
        QTemporaryDir out;
        QVERIFY(MakeEntry("recording", out.filePath("call.wav")) && MakeEntry("empty", out.filePath("x")));
        for (int i = 0; i < 3; ++i)
            QVERIFY(CopyRecording(out.filePath("x"), out.path(), "call.wav", [] { return false; }));
        QCOMPARE(Entries(out.path()).filter(QRegularExpression("^call-\\d{15}\\.wav$")).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestRecordFileOps)
#include "tst_recordfileops.moc"
