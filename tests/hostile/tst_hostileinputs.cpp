// Hostile input: odd names, odd sizes, links, special files, files changed
// behind the program's back and typed query syntax. Every case checks that
// the program keeps running, that SaveViewDisp holds exactly the recordings
// the files justify, and that no file the user did not ask to change was
// changed (the snapshot of the fixture folder taken before, compared after).

#include "app/mainwindow.h"
#include "records/recordingexport.h"
#include "ui/tipdlg.h"
#include "tests/support/filesnapshot.h"
#include "tests/support/modalanswer.h"
#include "tests/support/ownfolder.h"
#include "tests/support/recordingfixture.h"
#include "tests/support/windowdriver.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>

namespace {

// The Raced actions change the entry only after the window has looked at it:
// once the export folder is chosen, or once the new name is accepted.
enum class UserAction { Play, Export, ExportRaced, Rename, RenameRaced, Delete };
// Makes or changes entries at or below the path; false when it cannot.
using EntryMaker = std::function<bool(const QString &path)>;

} // namespace

Q_DECLARE_METATYPE(UserAction)
Q_DECLARE_METATYPE(EntryMaker)

namespace {

// "name | path" of every row of SaveViewDisp, sorted.
QStringList ListedRows()
{
    QSqlQuery query(QStringLiteral("select FileName, FilePath from SaveViewDisp"));
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString() + " | " + query.value(1).toString();
    rows.sort();
    return rows;
}

QStringList RowsIn(const QString &folder, const QStringList &names)
{
    QStringList rows;
    for (const QString &name : names)
        rows << name + " | " + folder + "/" + name;
    rows.sort();
    return rows;
}

QStringList Sorted(QStringList lines)
{
    lines.sort();
    return lines;
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

// The recording's bytes with its marker moved by shift bytes.
QByteArray WithShiftedMarker(RecordingLayout layout, int shift)
{
    RecordingFields fields;
    fields.layout = layout;
    fields.marker.clear();
    const int marker = layout == RecordingLayout::Layout80 ? 40 : 52;
    return RecordingBytes(fields).replace(marker + shift, 14, "radio_recorder");
}

QByteArray LayoutBytes(RecordingLayout layout)
{
    RecordingFields fields;
    fields.layout = layout;
    return RecordingBytes(fields);
}

EntryMaker Bytes(const QByteArray &bytes)
{
    return [bytes](const QString &path) { return WriteFileBytes(path, bytes); };
}

// Searched by keyword and by ID, in the order of their start times, with
// their calling IDs.
const QList<QPair<QString, quint32>> kQueryArchive{
    {"plain.wav", 11},      {"a_b.wav", 1},   {"axb.wav", 12345678},
    {"100%.wav", 1001},     {"x[1].wav", 1001}, {"say \"hi\".wav", 1001},
    {"'; drop table SaveViewDisp; --.wav", 1001}};

} // namespace

class TestHostileInputs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oddNamesListedOnceAsTheyAre_data();
    void oddNamesListedOnceAsTheyAre();
    void oddEntryBesideRecording_data();
    void oddEntryBesideRecording();
    void linksWalkRealFoldersUnderTheirOwnNames_data();
    void linksWalkRealFoldersUnderTheirOwnNames();
    void fileChangedAfterListing_data();
    void fileChangedAfterListing();
    void longExportShowsProgressAndStops();
    void controlMarksShownVisibly_data();
    void controlMarksShownVisibly();
    void exportIntoHostileTarget_data();
    void exportIntoHostileTarget();
    void querySyntax_data();
    void querySyntax();

private:
    QString Archive(const QString &relative) const { return m_archive->filePath(relative); }
    QString Root() const { return m_archive->path(); }
    QStringList Names() { return TableColumn(m_window.get(), 2); }
    void ListFolder(const QString &folder);
    void WriteCalls(const QStringList &names);
    void Perform(UserAction action, const QString &exportFolder, const QString &renameTo,
                 const std::function<void()> &change);

    std::unique_ptr<QTemporaryDir> m_archive;
    std::unique_ptr<MessageLog> m_messages;
    std::unique_ptr<MainWindow> m_window;
    rlimit m_fileSizeLimit{};
};

void TestHostileInputs::init()
{
    m_archive = std::make_unique<QTemporaryDir>();
    QVERIFY(m_archive->isValid());
    m_messages = std::make_unique<MessageLog>();
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &m_fileSizeLimit), 0);
}

void TestHostileInputs::cleanup()
{
    if (m_window)
        QVERIFY(m_window->isVisible());
    m_window.reset();
    m_messages.reset();
    m_archive.reset();
    ::setrlimit(RLIMIT_FSIZE, &m_fileSizeLimit);
}

// Opens a window, imports the folder and lists it through a click on its
// tree item.
void TestHostileInputs::ListFolder(const QString &folder)
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    ImportPath(m_window.get(), folder);
    ClickTreeItem(m_window.get(), TopLevelItem(m_window.get(), 0));
}

// Call records in the archive, starting a minute apart in the given order.
void TestHostileInputs::WriteCalls(const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        QVERIFY(WriteRecording(Archive(names[i]), CallAt(i)));
}

void TestHostileInputs::oddNamesListedOnceAsTheyAre_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");

    QTest::newRow("quotes and a statement")
        << "it's \"quoted\"" << "o'clock \"hi\"'); drop table SaveViewDisp; --.wav";
    QTest::newRow("placeholders and percent") << "%1 %%" << "%1%2 %% 100%.wav";
    QTest::newRow("blanks inside and around") << "  two  blanks " << " lead and trail .wav";
    // 255 and 253 bytes in UTF-8: at the file system's limit per name.
    QTest::newRow("Chinese at the byte limit")
        << QString(85, QChar(0x5F55)) << QString(83, QChar(0x97F3)) + ".wav";
    // Linux allows 4096 bytes per path, the terminating zero included.
    QTest::newRow("path of nearly 4,000 bytes")
        << (QString(204, 'n') + '/').repeated(19).chopped(1) << "deep.wav";
}

// Listed through the folder and through the tree item of its first folder,
// which is then removed from the tree: its odd path goes into IgnorePathTab.
void TestHostileInputs::oddNamesListedOnceAsTheyAre()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    const QString control = "0 control.wav";
    QVERIFY(WriteRecording(Archive(control), CallAt(0)));
    QVERIFY(WriteRecording(Archive(folder + "/" + file), CallAt(1)));
    const QStringList before = Snapshot(Root());
    const QStringList fileRow = RowsIn(Root() + "/" + folder, {file});

    ListFolder(Root());
    QTreeWidgetItem *top = TopLevelItem(m_window.get(), 0);
    QCOMPARE(ChildTexts(top), QStringList{folder.section('/', 0, 0)});
    QCOMPARE(Names(), (QStringList{control, file}));
    QCOMPARE(ListedRows(), Sorted(RowsIn(Root(), {control}) + fileRow));

    ClickTreeItem(m_window.get(), top->child(0));
    QCOMPARE(ListedRows(), fileRow);
    RemoveTreeItem(m_window.get(), top->child(0));
    QCOMPARE(Names(), QStringList());
    ClickTreeItem(m_window.get(), top);
    QCOMPARE(ListedRows(), RowsIn(Root(), {control}));
    QCOMPARE(m_messages->Take(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::oddEntryBesideRecording_data()
{
    QTest::addColumn<EntryMaker>("make");
    QTest::addColumn<bool>("locked"); // made unreadable
    QTest::addColumn<bool>("listed");

    // A file holding the whole marker but shorter than its header reads as
    // zeros past its end and is a recording.
    const QByteArray layout85 = LayoutBytes(RecordingLayout::Layout85);
    const QByteArray layout80 = LayoutBytes(RecordingLayout::Layout80);
    QTest::newRow("empty") << Bytes({}) << false << false;
    QTest::newRow("65 bytes: marker one byte short") << Bytes(layout85.left(65)) << false << false;
    QTest::newRow("66 bytes: marker complete") << Bytes(layout85.left(66)) << false << true;
    QTest::newRow("layout 80, marker one byte short") << Bytes(layout80.left(53)) << false << false;
    QTest::newRow("layout 80, marker complete") << Bytes(layout80.left(54)) << false << true;
    QTest::newRow("layout 85, marker one byte later")
        << Bytes(WithShiftedMarker(RecordingLayout::Layout85, 1)) << false << false;
    QTest::newRow("layout 85, marker one byte earlier")
        << Bytes(WithShiftedMarker(RecordingLayout::Layout85, -1)) << false << false;
    QTest::newRow("layout 80, marker one byte later")
        << Bytes(WithShiftedMarker(RecordingLayout::Layout80, 1)) << false << false;
    QTest::newRow("layout 85 without its KVB")
        << Bytes(QByteArray(layout85).replace(40, 3, "KVC")) << false << false;
    QTest::newRow("216 bytes of 0xFF") << Bytes(QByteArray(216, '\xFF')) << false << false;
    QTest::newRow("dangling link") << EntryMaker([](const QString &path) {
        return QFile::link(path + ".gone", path);
    }) << false << false;
    QTest::newRow("link to the recording") << EntryMaker([](const QString &path) {
        return QFile::link(QFileInfo(path).path() + "/valid.wav", path);
    }) << false << true;
    QTest::newRow("FIFO") << EntryMaker([](const QString &path) {
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    }) << false << false;
    QTest::newRow("unreadable recording") << EntryMaker([](const QString &path) {
        return WriteRecording(path);
    }) << true << false;
    QTest::newRow("unreadable folder with a recording") << EntryMaker([](const QString &path) {
        return WriteRecording(path + "/in.wav");
    }) << true << false;
}

// odd.wav beside the recording valid.wav. A scan that opened a FIFO to read
// it would wait for a writer for good: QtTest's watchdog then fails the test.
void TestHostileInputs::oddEntryBesideRecording()
{
    QFETCH(EntryMaker, make);
    QFETCH(bool, locked);
    QFETCH(bool, listed);
    const QString odd = Archive("odd.wav");
    QVERIFY(WriteRecording(Archive("valid.wav"), CallAt(0)));
    QVERIFY(make(odd));
    const QStringList before = Snapshot(Root());
    const QFile::Permissions ownerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    if (locked) {
        QVERIFY(QFile::setPermissions(odd, {}));
        if (QFileInfo(odd).isReadable()) {
            QFile::setPermissions(odd, ownerAll);
            QSKIP("Running with the right to read everything (root)");
        }
    }
    ListFolder(Root());
    if (locked)
        QVERIFY(QFile::setPermissions(odd, ownerAll));
    const QStringList names =
        listed ? QStringList{"odd.wav", "valid.wav"} : QStringList{"valid.wav"};
    QCOMPARE(ListedRows(), RowsIn(Root(), names));
    QCOMPARE(Names().size(), names.size());
    QCOMPARE(m_messages->Take(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::linksWalkRealFoldersUnderTheirOwnNames_data()
{
    QTest::addColumn<QStringList>("links"); // "link -> target", relative to the archive
    QTest::addColumn<QStringList>("children"); // the tree items below rec
    QTest::addColumn<QStringList>("listed"); // below rec

    const QStringList ownFiles{"a/x.wav", "sub/z.wav", "y.wav"};
    QTest::newRow("link back to the scanned folder")
        << QStringList{"rec/a/back -> rec"} << QStringList{"a", "sub"} << ownFiles;
    QTest::newRow("link up to the folder holding it")
        << QStringList{"rec/up -> ."} << QStringList{"a", "sub"} << ownFiles;
    QTest::newRow("link to a sibling that sorts first")
        << QStringList{"rec/alink -> rec/sub"} << QStringList{"a", "sub"} << ownFiles;
    QTest::newRow("dangling link")
        << QStringList{"rec/gone -> missing"} << QStringList{"a", "sub"} << ownFiles;
    QTest::newRow("link to a folder outside")
        << QStringList{"rec/ext -> outside"} << QStringList{"a", "ext", "sub"}
        << ownFiles + QStringList{"ext/o.wav"};
    QTest::newRow("two links to one folder outside")
        << QStringList{"rec/ext1 -> outside", "rec/ext2 -> outside"}
        << QStringList{"a", "ext1", "sub"} << ownFiles + QStringList{"ext1/o.wav"};
}

// A real folder is walked under its own name, by the tree and by the scan;
// a link is followed only into what the walk does not cover, and never onto
// the way down to it.
void TestHostileInputs::linksWalkRealFoldersUnderTheirOwnNames()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, children);
    QFETCH(QStringList, listed);
    const QString rec = Archive("rec");
    WriteCalls({"rec/y.wav", "rec/a/x.wav", "rec/sub/z.wav", "outside/o.wav"});
    for (const QString &link : links)
        QVERIFY(QFile::link(Archive(link.section(" -> ", 1)), Archive(link.section(" -> ", 0, 0))));
    const QStringList before = Snapshot(Root());

    ListFolder(rec);
    QTreeWidgetItem *top = TopLevelItem(m_window.get(), 0);
    QCOMPARE(ChildTexts(top), children);
    for (int i = 0; i < top->childCount(); ++i)
        QCOMPARE(ChildTexts(top->child(i)), QStringList());
    QStringList rows;
    for (const QString &file : listed)
        rows << QFileInfo(file).fileName() + " | " + rec + "/" + file;
    QCOMPARE(ListedRows(), Sorted(rows));
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::fileChangedAfterListing_data()
{
    QTest::addColumn<EntryMaker>("change");
    QTest::addColumn<UserAction>("action");
    QTest::addColumn<QString>("renameTo");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("movedTo"); // where b.wav went on the user's request; empty: removed
    QTest::addColumn<QStringList>("exported");

    // Listed: a.wav, b.wav, c.wav; b.wav changes on disk, then the user acts
    // on its row (and, for export, on c.wav's too).
    const QStringList all{"a.wav", "b.wav", "c.wav"};
    const QStringList withoutB{"a.wav", "c.wav"};
    const QStringList none;
    const EntryMaker deleted = [](const QString &b) { return QFile::remove(b); };
    const EntryMaker movedAway = [](const QString &b) {
        return QFile::rename(b, QFileInfo(b).path() + "/b moved.wav");
    };
    const EntryMaker replaced = [](const QString &b) {
        RecordingFields other = CallAt(30);
        other.callingID = 4242;
        return WriteRecording(b, other);
    };
    QTest::newRow("deleted, played") << deleted << UserAction::Play << ""
                                     << QStringList{"Invalid File: b.wav"} << all << "b.wav"
                                     << none;
    QTest::newRow("deleted, exported with c.wav")
        << deleted << UserAction::Export << ""
        << QStringList{"Only some files export successfully, please check!"} << all << "b.wav"
        << QStringList{"c.wav"};
    QTest::newRow("deleted, deleted by the user")
        << deleted << UserAction::Delete << "" << none << withoutB << "b.wav" << none;
    QTest::newRow("deleted, renamed by the user") << deleted << UserAction::Rename
                                                  << "fresh" << QStringList{"Fail to rename!"}
                                                  << all << "b.wav" << none;
    QTest::newRow("moved away, renamed by the user to the name it now has")
        << movedAway << UserAction::Rename << "b moved"
        << QStringList{"File name exists, please re-modify!"} << all << "b.wav" << none;
    QTest::newRow("replaced, exported with c.wav")
        << replaced << UserAction::Export << "" << QStringList{"Success!"} << all
        << "b.wav" << QStringList{"b.wav", "c.wav"};
    QTest::newRow("replaced, renamed by the user")
        << replaced << UserAction::Rename << "fresh" << QStringList{"Success!"}
        << QStringList{"a.wav", "fresh.wav", "c.wav"} << "fresh.wav" << none;
    QTest::newRow("replaced, deleted by the user")
        << replaced << UserAction::Delete << "" << none << withoutB << "" << none;

    // Links of the new name beside b.wav lead to gone.wav or sub, which a
    // write through them would make or fill.
    const auto linkBeside = [](const QString &target) {
        return [target](const QString &b) {
            const QString folder = QFileInfo(b).path();
            return QDir(folder).mkpath("sub") && QFile::link(folder + target, folder + "/x.wav");
        };
    };
    const QStringList taken{"File name exists, please re-modify!"};
    const QStringList someFailed{"Only some files export successfully, please check!"};
    QTest::newRow("a link of the new name that leads nowhere, renamed onto")
        << EntryMaker(linkBeside("/gone.wav")) << UserAction::Rename << "x" << taken << all
        << "b.wav" << none;
    QTest::newRow("a link of the new name to a folder, renamed onto")
        << EntryMaker(linkBeside("/sub")) << UserAction::Rename << "x" << taken << all << "b.wav"
        << none;
    QTest::newRow("c.wav deleted, renamed onto its listed name")
        << EntryMaker([](const QString &b) { return QFile::remove(QFileInfo(b).path() + "/c.wav"); })
        << UserAction::Rename << "c" << taken << all << "b.wav" << none;
    QTest::newRow("a link of the new name that leads nowhere, made after the check")
        << EntryMaker(linkBeside("/gone.wav")) << UserAction::RenameRaced << "x"
        << QStringList{"Fail to rename!"} << all << "b.wav" << none;
    QTest::newRow("swapped for a FIFO after the check, exported with c.wav")
        << EntryMaker([](const QString &b) {
               return QFile::remove(b) && ::mkfifo(QFile::encodeName(b).constData(), 0644) == 0;
           })
        << UserAction::ExportRaced << "" << someFailed << all << "b.wav" << QStringList{"c.wav"};
    QTest::newRow("deleted after the check, exported with c.wav")
        << deleted << UserAction::ExportRaced << "" << someFailed << all << "b.wav"
        << QStringList{"c.wav"};
    // The export folder takes 100 bytes a file, less than a recording.
    QTest::newRow("exported into a folder that fills up")
        << EntryMaker([](const QString &) {
               const rlimit limit{100, RLIM_INFINITY};
               return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR
                      && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
           })
        << UserAction::ExportRaced << "" << someFailed << all << "b.wav" << none;
}

void TestHostileInputs::Perform(UserAction action, const QString &exportFolder,
                                const QString &renameTo, const std::function<void()> &change)
{
    MainWindow *window = m_window.get();
    switch (action) {
    case UserAction::Play:
        ChooseRowMenuEntry(window, 1, "Play");
        return;
    case UserAction::Export:
    case UserAction::ExportRaced:
        ClickCheckCell(window, 1);
        ClickCheckCell(window, 2);
        ExportTo(window, exportFolder, action == UserAction::ExportRaced ? change : nullptr);
        return;
    case UserAction::Rename:
    case UserAction::RenameRaced:
        AnswerModal("RenameDialog", [renameTo, action, change](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("ledt_Rename")->setText(renameTo);
            dialog->findChild<QPushButton *>("pbtn_OK")->click();
            if (action == UserAction::RenameRaced)
                change();
            if (dialog->isVisible())
                dialog->findChild<QPushButton *>("pbtn_Cancel")->click();
        });
        ChooseRowMenuEntry(window, 1, "Rename");
        return;
    case UserAction::Delete:
        ClickCheckCell(window, 1);
        AnswerConfirmation();
        ClickButton(window, "pbtn_Del");
        return;
    }
}

void TestHostileInputs::fileChangedAfterListing()
{
    QFETCH(EntryMaker, change);
    QFETCH(UserAction, action);
    QFETCH(QString, renameTo);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, names);
    QFETCH(QString, movedTo);
    QFETCH(QStringList, exported);
    WriteCalls({"a.wav", "b.wav", "c.wav"});
    ListFolder(Root());
    QStringList before;
    const auto changeB = [this, &change, &before] {
        QVERIFY(change(Archive("b.wav")));
        before = Snapshot(Root());
    };
    if (action != UserAction::ExportRaced && action != UserAction::RenameRaced)
        changeB();
    QTemporaryDir exportFolder;

    Perform(action, exportFolder.path(), renameTo, changeB);
    QCOMPARE(m_messages->Take(), messages);
    QVERIFY(!IsPlayingShown(m_window.get()));
    QCOMPARE(Names(), names);
    QCOMPARE(ListedRows(), RowsIn(Root(), names));
    QCOMPARE(Snapshot(Root()), Moved(before, "b.wav", movedTo));
    QStringList copies;
    for (const QString &name : exported)
        copies << name + " " + ContentHash(Archive(name));
    QStringList written;
    const QDir::Filters everyFile = QDir::Files | QDir::Hidden | QDir::System;
    for (const QFileInfo &copy : QDir(exportFolder.path()).entryInfoList(everyFile, QDir::Name))
        written << copy.fileName() + " " + ContentHash(copy.filePath());
    QCOMPARE(written, copies);
}

// Each copy is slowed down, so that the export outlasts half a second: its
// progress shows, and Cancel ends it at once, the copy under way removed.
void TestHostileInputs::longExportShowsProgressAndStops()
{
    const QStringList names{"a.wav", "b.wav", "c.wav"};
    for (int i = 0; i < names.size(); ++i) {
        RecordingFields fields = CallAt(i);
        fields.pcm = QByteArray(4 << 20, '\x01');
        QVERIFY(WriteRecording(Archive(names[i]), fields));
    }
    const QStringList before = Snapshot(Root());
    ListFolder(Root());
    ClickButton(m_window.get(), "pbtn_SelectAll");
    m_window->SetRecordingCopier([](const QString &source, const QString &dir,
                                    const QString &name, const StopRequest &stopRequested) {
        return CopyRecording(source, dir, name, [&stopRequested] {
            QThread::msleep(20);
            return stopRequested();
        });
    });
    QString progress;
    QElapsedTimer sinceCancel;
    PollUntil([&progress, &sinceCancel] {
        auto *dialog = qobject_cast<TipDlg *>(QApplication::activeModalWidget());
        progress = dialog ? dialog->findChild<QLabel *>("label_Tip")->text() : QString();
        if (!progress.endsWith("1/3"))
            return false;
        sinceCancel.start();
        dialog->findChild<QPushButton *>("pbtn_TipWndCancel")->click();
        return true;
    }, 10000);
    QTemporaryDir out;
    ExportTo(m_window.get(), out.path());

    QCOMPARE(progress, QString("Exporting, please wait... 1/3"));
    QVERIFY2(sinceCancel.isValid() && sinceCancel.elapsed() < 100,
             qPrintable(QString::number(sinceCancel.elapsed())));
    QCOMPARE(m_messages->Take(), QStringList{"Only some files export successfully, please check!"});
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.wav"});
    QCOMPARE(ContentHash(out.filePath("a.wav")), ContentHash(Archive("a.wav")));
    QCOMPARE(Snapshot(Root()), before);
}

void TestHostileInputs::controlMarksShownVisibly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("right-to-left override") << "\u202Ertl.wav" << "\uFFFDrtl.wav";
    QTest::newRow("bell, line feed, delete") << "a\ab\nc\x7F.wav" << "a\uFFFDb\uFFFDc\uFFFD.wav";
    QTest::newRow("isolates and a mark") << "\u2066x\u2069\u200F.wav" << "\uFFFDx\uFFFD\uFFFD.wav";
}

// The table, the player's name label, the rename dialog's field and the
// message of a file gone show the marks; the record, and a rename that leaves the field as shown, keep
// the name.
void TestHostileInputs::controlMarksShownVisibly()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    RecordingFields fields;
    fields.pcm = SinePcm(3000);
    QVERIFY(WriteRecording(Archive(name), fields));
    ListFolder(Root());
    QCOMPARE(Names(), QStringList{shown});
    DoubleClickRow(m_window.get(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(WidgetText(m_window.get(), "label_WavFileName"), shown, 10000);
    ClickButton(m_window.get(), "pbtn_PlayorPause");
    QString field;
    AnswerModal("RenameDialog", [&field](QDialog *dialog) {
        field = dialog->findChild<QLineEdit *>("ledt_Rename")->text();
        dialog->findChild<QPushButton *>("pbtn_OK")->click();
    });
    ChooseRowMenuEntry(m_window.get(), 0, "Rename");
    QCOMPARE(field, shown.chopped(4));
    QCOMPARE(ListedRows(), RowsIn(Root(), {name}));
    QVERIFY(QFile::remove(Archive(name)));
    ChooseRowMenuEntry(m_window.get(), 0, "Play");
    QCOMPARE(m_messages->Take(), QStringList{"Invalid File: " + shown});
}

void TestHostileInputs::exportIntoHostileTarget_data()
{
    QTest::addColumn<EntryMaker>("prepare"); // on the archive
    QTest::addColumn<QString>("chosen"); // handed to the window as the export folder
    QTest::addColumn<QStringList>("messages");
    // The new entry, relative to the archive, with a.wav's bytes; empty:
    // nothing is written.
    QTest::addColumn<QString>("copy");

    const QStringList success{"Success!"};
    const QString suffixed = "chosen/a-\\d{15}\\.wav";
    QTest::newRow("a regular file chosen as folder") << EntryMaker([](const QString &root) {
        return WriteFileBytes(root + "/chosen/plain.txt", "keep me");
    }) << "chosen/plain.txt" << QStringList{"Path error or can't write!"} << QString();
    QTest::newRow("a folder of the recording's name there") << EntryMaker([](const QString &root) {
        return WriteFileBytes(root + "/chosen/a.wav/inside.txt", "keep me");
    }) << "chosen" << success << suffixed;
    // A link that leads nowhere takes its name like any other entry.
    QTest::newRow("a dangling link of the recording's name there")
        << EntryMaker([](const QString &root) {
               return QFile::link(root + "/elsewhere/missing.wav", root + "/chosen/a.wav");
           })
        << "chosen" << success << suffixed;
    QTest::newRow("a link of the recording's name to another file there")
        << EntryMaker([](const QString &root) {
               return WriteFileBytes(root + "/elsewhere/victim.wav", "keep me")
                      && QFile::link(root + "/elsewhere/victim.wav", root + "/chosen/a.wav");
           })
        << "chosen" << success << suffixed;
    QTest::newRow("the recording's own folder") << EntryMaker([](const QString &) { return true; })
                                                << "rec" << success << "rec/a-\\d{15}\\.wav";
}

// The recordings a.wav and b.wav lie in rec, a.wav is exported; the folder
// elsewhere, which links may lead to, is never chosen.
void TestHostileInputs::exportIntoHostileTarget()
{
    QFETCH(EntryMaker, prepare);
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);
    QFETCH(QString, copy);
    const QString rec = Archive("rec");
    QVERIFY(WriteRecording(rec + "/a.wav", CallAt(0)));
    QVERIFY(WriteRecording(rec + "/b.wav", CallAt(1)));
    QVERIFY(QDir().mkpath(Archive("chosen")) && QDir().mkpath(Archive("elsewhere")));
    QVERIFY(prepare(Root()));
    const QStringList before = Snapshot(Root());
    ListFolder(rec);

    ClickCheckCell(m_window.get(), 0);
    ExportTo(m_window.get(), Archive(chosen));
    QCOMPARE(m_messages->Take(), messages);
    QCOMPARE(ListedRows(), RowsIn(rec, {"a.wav", "b.wav"}));
    QStringList added = Snapshot(Root());
    for (const QString &line : before)
        QVERIFY2(added.removeOne(line), qPrintable(line));
    QCOMPARE(added.size(), copy.isEmpty() ? 0 : 1);
    const QRegularExpression copyLine("^" + copy + " \\d+ bytes, modified \\d+, "
                                      + ContentHash(rec + "/a.wav") + "$");
    for (const QString &line : added)
        QVERIFY2(copyLine.match(line).hasMatch(), qPrintable(line));
}

void TestHostileInputs::querySyntax_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byKeys"); // else set as a whole, past the validator
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QList<int>>("listed"); // indexes into kQueryArchive

    const QList<int> all{0, 1, 2, 3, 4, 5, 6};
    auto keyword = [](const char *tag, const QString &typed, const QList<int> &listed) {
        QTest::newRow(tag) << "ledt_KeyWord" << typed << true << typed << listed;
    };
    // The keyword is matched with LIKE: % and _ keep their wildcard meaning,
    // everything else stands for itself, without regard to ASCII case.
    keyword("keyword: percent alone", "%", all);
    keyword("keyword: underscore matches any one character", "A_B", {1, 2});
    keyword("keyword: statement", "'; drop table SaveViewDisp; --", {6});
    keyword("keyword: always-true condition", "' or 1=1 --", {});
    keyword("keyword: double quote", "\"", {5});
    keyword("keyword: brackets are no character class", "[1]", {4});
    keyword("keyword: placeholder", "%1", {3, 4});
    // The ID field takes digits only, at most eight; text that is no number
    // searches for ID 0, which no record has.
    QTest::newRow("ID: quote and comment")
        << "ledt_ID" << "' or 1=1 --" << true << "11" << QList<int>{0};
    QTest::newRow("ID: percent") << "ledt_ID" << "%" << true << "" << all;
    QTest::newRow("ID: placeholder") << "ledt_ID" << "%1" << true << "1" << QList<int>{1};
    QTest::newRow("ID: minus sign") << "ledt_ID" << "-1" << true << "1" << QList<int>{1};
    QTest::newRow("ID: nine digits")
        << "ledt_ID" << "123456789" << true << "12345678" << QList<int>{2};
    QTest::newRow("ID: statement past the validator")
        << "ledt_ID" << "1 or 1=1" << false << "1 or 1=1" << QList<int>{};
}

void TestHostileInputs::querySyntax()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, byKeys);
    QFETCH(QString, kept);
    QFETCH(QList<int>, listed);
    for (int i = 0; i < kQueryArchive.size(); ++i) {
        RecordingFields fields = CallAt(i);
        fields.callingID = kQueryArchive[i].second;
        QVERIFY(WriteRecording(Archive(kQueryArchive[i].first), fields));
    }
    const QStringList before = Snapshot(Root());
    ListFolder(Root());

    auto *edit = m_window->findChild<QLineEdit *>(field);
    if (byKeys)
        QTest::keyClicks(edit, typed);
    else
        edit->setText(typed);
    QCOMPARE(edit->text(), kept);
    ClickButton(m_window.get(), "pbtn_Search");
    QStringList names;
    for (int i : listed)
        names << kQueryArchive[i].first;
    QCOMPARE(Names(), names);
    QCOMPARE(DatabaseRowCount(), kQueryArchive.size());
    QCOMPARE(m_messages->Take(), QStringList());
    QCOMPARE(Snapshot(Root()), before);
}

OVELIA_WINDOW_TEST_MAIN(TestHostileInputs)
#include "tst_hostileinputs.moc"
