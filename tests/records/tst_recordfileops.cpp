// The file operations on records: rename, delete, the export's plan, its
// names and its copies.

#include "records/recordfileops.h"
#include "records/recordingexport.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/testdatabase.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool AddRecord(const QString &path, bool checked = false)
{
    QSqlQuery query;
    query.prepare("insert into SaveViewDisp (FileCheck, FileName, FilePath) values(?, ?, ?)");
    query.addBindValue(int(checked));
    query.addBindValue(QFileInfo(path).fileName());
    query.addBindValue(path);
    return query.exec();
}

RecordRow Row(const QString &path, bool checked)
{
    RecordRow row;
    row.checked = checked;
    row.fileName = QFileInfo(path).fileName();
    row.filePath = path;
    return row;
}

} // namespace

class TestRecordFileOps : public QObject
{
    Q_OBJECT

private slots:
    // Beside old.wav: recording.wav, folder.wav, fifo.wav, a dangling link
    // dangling.wav, and listed.wav, a record without a file. The check, the
    // new name, or "" when refused (blank "-").
    void checkRename_data()
    {
        QTest::addColumn<QStringList>("c"); // old name, typed, new name
        QTest::newRow("empty") << QStringList{"old.wav", "", "-"};
        QTest::newRow("blanks only") << QStringList{"old.wav", "   ", "-"};
        QTest::newRow("unchanged") << QStringList{"old.wav", "old", "old.wav"};
        QTest::newRow("unchanged as shown") << QStringList{"a\tb.wav", QString::fromUtf8("a\uFFFDb"), "a\tb.wav"};
        QTest::newRow("other case") << QStringList{"old.wav", "OLD", "OLD.wav"};
        QTest::newRow("blanks around") << QStringList{"old.wav", " new ", " new .wav"};
        QTest::newRow("new") << QStringList{"old.wav", "new", "new.wav"};
        for (const char *name : {"recording", "folder", "fifo", "dangling", "listed"})
            QTest::newRow(name) << QStringList{"old.wav", name, ""};
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
        const RenameCheck check = c[2] == "-" ? RenameCheck::Blank : c[2].isEmpty() ? RenameCheck::NameTaken : RenameCheck::Accepted;
        QCOMPARE(int(decision.check), int(check));
        QCOMPARE(decision.newName, check == RenameCheck::Accepted ? c[2] : QString());
        QCOMPARE(decision.newPath, check == RenameCheck::Accepted ? dir.filePath(c[2]) : QString());
    }

    // What holds new.wav when old.wav is renamed to it.
    void renameRecording_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::newRow("nothing") << "missing";
        for (const char *kind : {"recording", "empty", "folder", "fifo", "dangling", "link:recording"})
            QTest::newRow(kind) << kind;
        QTest::newRow("old.wav gone") << "";
    }
    void renameRecording()
    {
        QFETCH(QString, blocker);
        QTemporaryDir dir;
        TestDatabase database;
        const QString oldPath = dir.filePath("old.wav"), newPath = dir.filePath("new.wav");
        QVERIFY((blocker.isEmpty() || MakeEntry("recording", oldPath)) && AddRecord(oldPath));
        QVERIFY(blocker.isEmpty() || MakeEntry(blocker, newPath));
        const QStringList before = Snapshot(dir.path());
        const bool renamed = blocker == "missing";
        QCOMPARE(RenameRecording(oldPath, "new.wav", newPath), renamed);
        QCOMPARE(Snapshot(dir.path()), renamed ? Moved(before, "old.wav", "new.wav") : before);
        QCOMPARE(database.Column("FilePath") + database.Column("FileName"), (renamed ? QStringList{newPath, "new.wav"} : QStringList{oldPath, "old.wav"}));
    }

    // One record's entry and mark beside an unchecked recording: what the
    // export takes (a checked record it cannot take makes it partial), then
    // what the delete removes (one it cannot remove is refused).
    void checkedRecords_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QVector<int>>("c"); // checked, exported, deleted
        QTest::newRow("unchecked") << "recording" << QVector<int>{0, 0, 0};
        QTest::newRow("unchecked folder") << "folder" << QVector<int>{0, 0, 0};
        for (const char *kind : {"recording", "empty", "link:recording"})
            QTest::newRow(kind) << kind << QVector<int>{1, 1, 1};
        for (const char *kind : {"missing", "dangling", "fifo", "link:fifo"})
            QTest::newRow(kind) << kind << QVector<int>{1, 0, 1};
        QTest::newRow("folder") << "folder" << QVector<int>{1, 0, 0};
    }
    void checkedRecords()
    {
        QFETCH(QString, kind);
        QFETCH(QVector<int>, c);
        QTemporaryDir dir;
        TestDatabase database;
        const QString keep = dir.filePath("keep.wav"), path = dir.filePath("x.wav");
        QVERIFY(MakeEntry("recording", keep) && MakeEntry(kind, path) && AddRecord(keep) && AddRecord(path, c[0]));
        const QList<RecordRow> rows{Row(keep, false), Row(path, c[0])};
        const ExportPlan plan = PlanExport(rows);
        QCOMPARE((QVector<int>{plan.taken.size(), plan.partial}), (QVector<int>{c[1], c[0] && !c[1]}));
        const DeleteOutcome outcome = DeleteCheckedRecords(rows);
        QCOMPARE((QVector<int>{outcome.deletedCount, outcome.someRefused, outcome.keptRows.size(), outcome.keptRows.last().checked}),
                 (QVector<int>{c[2], c[0] && !c[2], 2 - c[2], c[0] && !c[2]}));
        QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !c[2] && kind != "missing");
        QCOMPARE(database.Column("FilePath"), (c[2] ? QStringList{keep} : QStringList{keep, path}));
        QVERIFY(QFileInfo::exists(keep));
    }

    void timeSuffix_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("suffixed");
        QTest::newRow("recording") << "/out/call.wav" << "/out/call-240307140509042.wav";
        QTest::newRow("extension only") << ".wav" << "-240307140509042.wav";
        QTest::newRow("shorter than an extension") << "a.w" << "-240307140509042a.w";
        QTest::newRow("empty") << "" << "-240307140509042";
    }
    void timeSuffix()
    {
        QFETCH(QString, target);
        QFETCH(QString, suffixed);
        QCOMPARE(WithTimeSuffix(target, QDateTime({2024, 3, 7}, {14, 5, 9, 42})), suffixed);
    }

    // What holds call.wav in the export folder.
    void freeExportTarget_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"missing", "recording", "empty", "folder", "fifo", "dangling"})
            QTest::newRow(kind) << kind;
    }
    void freeExportTarget()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(MakeEntry(kind, dir.filePath("call.wav")));
        const QString target = FreeExportTarget(dir.path(), "call.wav");
        const QString pattern = kind == "missing" ? "^%1/call\\.wav$" : "^%1/call-\\d{15}\\.wav$";
        QVERIFY2(QRegularExpression(pattern.arg(QRegularExpression::escape(dir.path()))).match(target).hasMatch(), qPrintable(target));
    }

    // A source of a kind copied under a name; a copy that fails leaves nothing
    // in the folder and is never waited on.
    void copyRecording_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("stop");
        for (const char *kind : {"recording", "empty", "link:recording", "missing", "folder", "fifo", "link:fifo", "dangling"})
            QTest::newRow(kind) << kind << "call.wav" << false;
        QTest::newRow("stopped") << "recording" << "call.wav" << true;
        QTest::newRow("final name too long") << "recording" << QString(300, 'n') + ".wav" << false;
        QTest::newRow("final name in a missing folder") << "recording" << "sub/call.wav" << false;
    }
    void copyRecording()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(bool, stop);
        QTemporaryDir source, out;
        const QString path = source.filePath("x.wav");
        QVERIFY(MakeEntry(kind, path));
        const bool copied = QFileInfo(path).isFile() && !stop && name == "call.wav";
        QCOMPARE(CopyRecording(path, out.path(), name, [stop] { return stop; }), copied);
        QCOMPARE(Entries(out.path()), copied ? QStringList{name} : QStringList());
        QCOMPARE(ContentHash(out.filePath(name)), copied ? ContentHash(path) : "unreadable");
    }

    // Three recordings of one name go into a folder that already holds it:
    // each taken name gets a time suffix of its own, taken anew until free.
    void exportTakesFreeNameForEachFile()
    {
        QTemporaryDir archive, out;
        QVERIFY(WriteFileBytes(out.filePath("call.wav"), "already there"));
        for (const QString folder : {"one", "two", "three"}) {
            QVERIFY(WriteFileBytes(archive.filePath(folder + "/call.wav"), folder.toUtf8()));
            QVERIFY(CopyRecording(archive.filePath(folder + "/call.wav"), out.path(), "call.wav", [] { return false; }));
        }
        QStringList contents;
        for (const QString &copy : Entries(out.path())) {
            QVERIFY2(QRegularExpression("^call(-\\d{15})?\\.wav$").match(copy).hasMatch(), qPrintable(copy));
            QFile file(out.filePath(copy));
            QVERIFY(file.open(QIODevice::ReadOnly));
            contents << file.readAll();
        }
        contents.sort();
        QCOMPARE(contents, QStringList({"already there", "one", "three", "two"}));
    }
};

QTEST_GUILESS_MAIN(TestRecordFileOps)
#include "tst_recordfileops.moc"
