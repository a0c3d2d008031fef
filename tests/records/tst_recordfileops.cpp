#include "recorddatabase.h"

#include "records/recordfileops.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QtTest>

namespace {

bool WriteFile(const QString &path, const QByteArray &content = QByteArrayLiteral("RIFF"))
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

RecordRow Row(const QString &number, bool checked, const QString &dir, const QString &fileName)
{
    RecordRow row;
    row.number = number;
    row.checked = checked;
    row.fileName = fileName;
    row.filePath = dir + QLatin1Char('/') + fileName;
    return row;
}

QStringList Numbers(const QList<RecordRow> &rows)
{
    QStringList numbers;
    for (const RecordRow &row : rows)
        numbers.append(row.number);
    return numbers;
}

TestRecord RecordOf(const RecordRow &row)
{
    TestRecord record;
    record.checked = row.checked;
    record.fileName = row.fileName;
    record.filePath = row.filePath;
    return record;
}

const QRegularExpression kSuffixed(QStringLiteral("^20240307_140509-\\d{15}\\.wav$"));

} // namespace

class TestRecordFileOps : public QObject
{
    Q_OBJECT

private slots:
    void isFileValid();
    void withTimeSuffix_data();
    void withTimeSuffix();
    void freeExportTarget();
    void exportSameRecordTwice();
    void planExport_data();
    void planExport();
    void writableDirectory_data();
    void writableDirectory();
    void copyIntoMissingFolderFails();
    void checkRename_data();
    void checkRename();
    void renameRecording_data();
    void renameRecording();
    void refusedRenameChangesNothing();
    void deleteCheckedRecords_data();
    void deleteCheckedRecords();
    void hasCheckedRecord();

private:
    QTemporaryDir m_dir;
};

void TestRecordFileOps::isFileValid()
{
    const QString file = m_dir.filePath(QStringLiteral("valid.wav"));
    QVERIFY(WriteFile(file));

    QVERIFY(IsFileValid(file));
    QVERIFY(!IsFileValid(QString()));
    QVERIFY(!IsFileValid(m_dir.path()));
    QVERIFY(!IsFileValid(m_dir.filePath(QStringLiteral("missing.wav"))));
}

void TestRecordFileOps::withTimeSuffix_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("suffixed");

    QTest::newRow("afternoon")
        << "/out/20240307_140509.wav" << QDateTime(QDate(2024, 3, 7), QTime(14, 12, 33, 517))
        << "/out/20240307_140509-240307141233517.wav";
    QTest::newRow("padded fields") << "/out/a.wav" << QDateTime(QDate(2009, 1, 2), QTime(3, 4, 5, 6))
                                   << "/out/a-090102030405006.wav";
    QTest::newRow("hour 23") << "/out/a.wav" << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 999))
                             << "/out/a-241231235959999.wav";
    QTest::newRow("before the last four characters, whatever they are")
        << "/out/a.wave" << QDateTime(QDate(2024, 3, 7), QTime(14, 12, 33, 517))
        << "/out/a.-240307141233517wave";
}

void TestRecordFileOps::withTimeSuffix()
{
    QFETCH(QString, target);
    QFETCH(QDateTime, time);
    QFETCH(QString, suffixed);

    QCOMPARE(WithTimeSuffix(target, time), suffixed);
}

void TestRecordFileOps::freeExportTarget()
{
    QTemporaryDir out;
    const QString name = QStringLiteral("20240307_140509.wav");
    QCOMPARE(FreeExportTarget(out.path(), name), out.filePath(name));

    QVERIFY(WriteFile(out.filePath(name)));
    const QString target = FreeExportTarget(out.path(), name);
    QCOMPARE(QFileInfo(target).path(), out.path());
    QVERIFY2(kSuffixed.match(QFileInfo(target).fileName()).hasMatch(), qPrintable(target));
    QVERIFY(!QFileInfo::exists(target));

    QTemporaryDir withFolder;
    QVERIFY(QDir(withFolder.path()).mkdir(name));
    QVERIFY(kSuffixed.match(QFileInfo(FreeExportTarget(withFolder.path(), name)).fileName()).hasMatch());

    QTemporaryDir withDanglingLink;
    QVERIFY(QFile::link(withDanglingLink.filePath("gone.wav"), withDanglingLink.filePath(name)));
    QVERIFY(kSuffixed.match(QFileInfo(FreeExportTarget(withDanglingLink.path(), name)).fileName())
                .hasMatch());
}

void TestRecordFileOps::exportSameRecordTwice()
{
    const RecordRow row = Row("1", true, m_dir.path(), QStringLiteral("20240307_140509.wav"));
    QVERIFY(WriteFile(row.filePath, "recording"));
    QTemporaryDir out;

    QVERIFY(CopyRecordsTo({row}, out.path()));
    QVERIFY(CopyRecordsTo({row}, out.path()));

    QStringList copies = QDir(out.path()).entryList(QDir::Files);
    QCOMPARE(copies.size(), 2);
    QVERIFY(copies.removeOne(row.fileName));
    QVERIFY2(kSuffixed.match(copies.first()).hasMatch(), qPrintable(copies.first()));
    QCOMPARE(ReadFile(out.filePath(copies.first())), QByteArray("recording"));
}

void TestRecordFileOps::planExport_data()
{
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<QList<bool>>("present");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<bool>("partial");

    QTest::newRow("all checked files present") << QList<bool>{true, false, true}
                                               << QList<bool>{true, true, true}
                                               << QStringList{"1", "3"} << false;
    QTest::newRow("one of three checked files removed") << QList<bool>{true, true, true}
                                                        << QList<bool>{true, false, true}
                                                        << QStringList{"1", "3"} << true;
    QTest::newRow("unchecked missing file does not count") << QList<bool>{true, false}
                                                           << QList<bool>{true, false}
                                                           << QStringList{"1"} << false;
    QTest::newRow("nothing checked") << QList<bool>{false, false} << QList<bool>{true, true}
                                     << QStringList{} << false;
}

void TestRecordFileOps::planExport()
{
    QFETCH(QList<bool>, checked);
    QFETCH(QList<bool>, present);
    QFETCH(QStringList, taken);
    QFETCH(bool, partial);

    QTemporaryDir dir;
    QList<RecordRow> rows;
    for (int i = 0; i < checked.size(); ++i) {
        const QString number = QString::number(i + 1);
        rows.append(Row(number, checked.at(i), dir.path(), number + QStringLiteral(".wav")));
        if (present.at(i))
            QVERIFY(WriteFile(rows.last().filePath));
    }

    const ExportPlan plan = PlanExport(rows);

    QCOMPARE(Numbers(plan.taken), taken);
    QCOMPARE(plan.partial, partial);
}

void TestRecordFileOps::writableDirectory_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("writable");

    QTest::newRow("folder") << m_dir.path() << true;
    QTest::newRow("missing folder") << m_dir.filePath(QStringLiteral("missing")) << false;
    QTest::newRow("file") << m_dir.filePath(QStringLiteral("plain.wav")) << false;
}

void TestRecordFileOps::writableDirectory()
{
    QFETCH(QString, path);
    QFETCH(bool, writable);

    QVERIFY(WriteFile(m_dir.filePath(QStringLiteral("plain.wav"))));
    QCOMPARE(IsWritableDirectory(path), writable);
}

void TestRecordFileOps::copyIntoMissingFolderFails()
{
    const RecordRow present = Row("1", true, m_dir.path(), QStringLiteral("present.wav"));
    QVERIFY(WriteFile(present.filePath));

    QVERIFY(!CopyRecordsTo({present}, m_dir.filePath(QStringLiteral("missing"))));
}

void TestRecordFileOps::checkRename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("newName");

    const int blank = int(RenameCheck::Blank);
    const int taken = int(RenameCheck::NameTaken);
    const int accepted = int(RenameCheck::Accepted);
    QTest::newRow("empty") << "" << blank << "";
    QTest::newRow("blanks only") << "   " << blank << "";
    QTest::newRow("inner blank kept") << "new name" << accepted << "new name.wav";
    QTest::newRow("outer blanks kept") << " new " << accepted << " new .wav";
    QTest::newRow("name of another file") << "other" << taken << "";
    QTest::newRow("unchanged name") << "old" << accepted << "old.wav";
    QTest::newRow("case differs") << "OLD" << accepted << "OLD.wav";
    QTest::newRow("name of a folder") << "folder" << accepted << "folder.wav";
    QTest::newRow("250 characters") << QString(250, QLatin1Char('n')) << accepted
                                    << QString(250, QLatin1Char('n')) + ".wav";
}

void TestRecordFileOps::checkRename()
{
    QFETCH(QString, typed);
    QFETCH(int, check);
    QFETCH(QString, newName);

    QTemporaryDir dir;
    const QString oldPath = dir.filePath(QStringLiteral("old.wav"));
    QVERIFY(WriteFile(oldPath));
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("other.wav"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.wav")));

    const RenameDecision decision = CheckRename(oldPath, typed);

    QCOMPARE(int(decision.check), check);
    QCOMPARE(decision.newName, newName);
    QCOMPARE(decision.newPath, newName.isEmpty() ? QString() : dir.path() + QLatin1Char('/') + newName);
}

void TestRecordFileOps::renameRecording_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");

    QTest::newRow("inner blank") << "old.wav" << "new name.wav";
    QTest::newRow("quotes in both names") << "it's.wav" << "o'neil \"x\".wav";
    QTest::newRow("quote that would widen the update") << "x' or '1'='1.wav" << "y.wav";
}

void TestRecordFileOps::renameRecording()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);

    QTemporaryDir dir;
    RecordDatabase db;
    QVERIFY(db.IsReady());
    const RecordRow renamed = Row("1", false, dir.path(), oldName);
    const RecordRow other = Row("2", false, dir.path(), QStringLiteral("other.wav"));
    QVERIFY(WriteFile(renamed.filePath, "mine"));
    QVERIFY(db.Insert({RecordOf(renamed), RecordOf(other)}));
    const QString newPath = dir.path() + QLatin1Char('/') + newName;

    QVERIFY(RenameRecording(renamed.filePath, newName, newPath));

    QVERIFY(!QFileInfo::exists(renamed.filePath));
    QCOMPARE(ReadFile(newPath), QByteArray("mine"));
    QCOMPARE(db.FilePaths(), (QStringList{newPath, other.filePath}));
    QSqlQuery names(QStringLiteral("select FileName from SaveViewDisp"));
    QStringList stored;
    while (names.next())
        stored.append(names.value(0).toString());
    QCOMPARE(stored, (QStringList{newName, other.fileName}));
}

void TestRecordFileOps::refusedRenameChangesNothing()
{
    QTemporaryDir dir;
    RecordDatabase db;
    QVERIFY(db.IsReady());
    const RecordRow row = Row("1", false, dir.path(), QStringLiteral("old.wav"));
    QVERIFY(WriteFile(row.filePath));
    QVERIFY(db.Insert({RecordOf(row)}));
    const QString unreachable = dir.filePath(QStringLiteral("missing/new.wav"));

    QVERIFY(!RenameRecording(row.filePath, QStringLiteral("new.wav"), unreachable));

    QVERIFY(QFileInfo::exists(row.filePath));
    QCOMPARE(db.FilePaths(), QStringList{row.filePath});
}

enum FileState { Present, Gone, Undeletable };

void TestRecordFileOps::deleteCheckedRecords_data()
{
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<QList<int>>("files");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("refused");

    const QList<int> allPresent{Present, Present, Present, Present, Present};
    QTest::newRow("two of five") << QList<bool>{false, true, false, true, false} << allPresent
                                 << QStringList{"1", "3", "5"} << 2 << false;
    QTest::newRow("none checked") << QList<bool>{false, false, false, false, false} << allPresent
                                  << QStringList{"1", "2", "3", "4", "5"} << 0 << false;
    QTest::newRow("file already gone counts as deleted")
        << QList<bool>{true, false, false, false, false}
        << QList<int>{Gone, Present, Present, Present, Present} << QStringList{"2", "3", "4", "5"}
        << 1 << false;
    QTest::newRow("refused removal keeps its record")
        << QList<bool>{true, true, false, false, true}
        << QList<int>{Present, Undeletable, Present, Present, Present} << QStringList{"2", "3", "4"}
        << 2 << true;
}

void TestRecordFileOps::deleteCheckedRecords()
{
    QFETCH(QList<bool>, checked);
    QFETCH(QList<int>, files);
    QFETCH(QStringList, kept);
    QFETCH(int, deleted);
    QFETCH(bool, refused);

    QTemporaryDir dir;
    RecordDatabase db;
    QVERIFY(db.IsReady());
    QList<RecordRow> rows;
    QList<TestRecord> records;
    for (int i = 0; i < checked.size(); ++i) {
        const QString number = QString::number(i + 1);
        // Quotes in the names: a delete by path must touch only its record.
        rows.append(Row(number, checked.at(i), dir.path(), QStringLiteral("it's %1.wav").arg(number)));
        records.append(RecordOf(rows.last()));
        if (files.at(i) == Present)
            QVERIFY(WriteFile(rows.last().filePath));
        // A folder with content cannot be removed as a file.
        if (files.at(i) == Undeletable) {
            QVERIFY(QDir().mkpath(rows.last().filePath));
            QVERIFY(WriteFile(rows.last().filePath + QStringLiteral("/inner")));
        }
    }
    QVERIFY(db.Insert(records));

    const DeleteOutcome outcome = DeleteCheckedRecords(rows);

    QCOMPARE(Numbers(outcome.keptRows), kept);
    QCOMPARE(outcome.deletedCount, deleted);
    QCOMPARE(outcome.someRefused, refused);
    QStringList keptPaths;
    for (const RecordRow &row : outcome.keptRows) {
        keptPaths.append(row.filePath);
        QVERIFY(QFileInfo::exists(row.filePath) || files.at(row.number.toInt() - 1) == Gone);
    }
    QCOMPARE(db.FilePaths(), keptPaths);
    for (const RecordRow &row : rows) {
        if (!keptPaths.contains(row.filePath))
            QVERIFY(!QFileInfo::exists(row.filePath));
    }
}

void TestRecordFileOps::hasCheckedRecord()
{
    QVERIFY(!HasCheckedRecord({}));
    QVERIFY(!HasCheckedRecord({Row("1", false, m_dir.path(), "a.wav")}));
    QVERIFY(HasCheckedRecord({Row("1", false, m_dir.path(), "a.wav"), Row("2", true, m_dir.path(), "b.wav")}));
}

QTEST_GUILESS_MAIN(TestRecordFileOps)
#include "tst_recordfileops.moc"
