#include "app/appresources.h"
#include "import/importrecordfile.h"
#include "tests/support/modalanswer.h"
#include "tests/support/recordingfixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <typename Widget>
Widget *Child(const QWidget &dialog, const char *name)
{
    return dialog.findChild<Widget *>(QLatin1String(name));
}

void Click(const QWidget &dialog, const char *name)
{
    Child<QAbstractButton>(dialog, name)->click();
}

void SetText(const QWidget &dialog, const char *name, const QString &text)
{
    Child<QLineEdit>(dialog, name)->setText(text);
}

// What a one-button message showed: title, text, button.
struct ShownTip
{
    bool shown = false;
    QStringList texts;
};

void AnswerTip(ShownTip &tip)
{
    AnswerModal("MsgTipWidthSingleBtn", [&tip](QDialog *dialog) {
        tip.shown = true;
        tip.texts = QStringList{
            Child<QLabel>(*dialog, "label_MsgWndWithSingleBtnTitle")->text(),
            Child<QLabel>(*dialog, "label_MsgWithSingleBtnWndText")->text(),
            Child<QPushButton>(*dialog, "pbtn_MsgWndWithSingleBtnRes")->text()};
        Click(*dialog, "pbtn_MsgWndWithSingleBtnRes");
    });
}

// Types the path into the file dialog's name field and accepts. (selectFile
// leaves that field alone while it has the focus.)
void ChooseInFileDialog(const QString &path, const std::function<void(QFileDialog *)> &inspect)
{
    AnswerModal("QFileDialog", [=](QDialog *shown) {
        inspect(static_cast<QFileDialog *>(shown));
        shown->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        shown->accept();
    });
}

} // namespace

class TestImportRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void form_data();
    void form();
    void dialogWindow();
    void startsInFolderMode();
    void switchModes_data();
    void switchModes();
    void emptyPathMessage_data();
    void emptyPathMessage();
    void results_data();
    void results();
    void browseFolder();
    void browseFolderCancelled();
    void browseFile();
    void dragByTitleStrip();
};

void TestImportRecordFile::initTestCase()
{
    RegisterResources();
}

void TestImportRecordFile::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("BackgroundWidget") << "BackgroundWidget" << QRect(0, 0, 491, 233) << "";
    QTest::newRow("label_ImportTitle") << "label_ImportTitle" << QRect(26, 18, 71, 21)
                                       << "Import";
    QTest::newRow("pbtn_ImportClose") << "pbtn_ImportClose" << QRect(438, 20, 23, 23) << "";
    QTest::newRow("rbtn_SelectFolder") << "rbtn_SelectFolder" << QRect(31, 75, 16, 22) << "";
    QTest::newRow("label_FolderSel") << "label_FolderSel" << QRect(50, 75, 95, 22)
                                     << "Select a folder";
    QTest::newRow("edit_FolderPath") << "edit_FolderPath" << QRect(150, 75, 229, 22) << "";
    QTest::newRow("pbtn_folder") << "pbtn_folder" << QRect(384, 74, 73, 27) << "Browse";
    QTest::newRow("rbtn_SelectFile") << "rbtn_SelectFile" << QRect(31, 113, 16, 22) << "";
    QTest::newRow("label_FileSel") << "label_FileSel" << QRect(55, 113, 90, 22)
                                   << "Select a file";
    QTest::newRow("edit_FilePath") << "edit_FilePath" << QRect(150, 113, 229, 22) << "";
    QTest::newRow("pbtn_file") << "pbtn_file" << QRect(384, 113, 73, 27) << "Browse";
    QTest::newRow("pbtn_OK") << "pbtn_OK" << QRect(15, 165, 228, 46) << "Yes";
    QTest::newRow("pbtn_Cancel") << "pbtn_Cancel" << QRect(241, 165, 228, 46) << "Cancel";
}

void TestImportRecordFile::form()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    const ImportRecordFile dialog;
    const QWidget *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    const QVariant shown = widget->property("text");
    QCOMPARE(shown.isValid() ? shown.toString() : QString(), text);
}

void TestImportRecordFile::dialogWindow()
{
    const ImportRecordFile dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("ImportRecordFile"));
    QCOMPARE(dialog.size(), QSize(491, 233));
    QCOMPARE(dialog.windowFlags() & ~Qt::WindowType_Mask, Qt::FramelessWindowHint);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Import"));
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    const QWidget *background = Child<QWidget>(dialog, "BackgroundWidget");
    QVERIFY(background->autoFillBackground());
    QCOMPARE(background->palette().window().texture().size(), QSize(491, 233));
    for (const char *name : {"label_FolderSel", "label_FileSel"})
        QCOMPARE(Child<QLabel>(dialog, name)->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    for (const char *name : {"edit_FolderPath", "edit_FilePath"}) {
        QCOMPARE(Child<QLineEdit>(dialog, name)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Child<QLineEdit>(dialog, name)->contextMenuPolicy(), Qt::NoContextMenu);
    }
}

void TestImportRecordFile::startsInFolderMode()
{
    const ImportRecordFile dialog;
    QCOMPARE(dialog.GetSelectMode(), 1);
    QVERIFY(Child<QRadioButton>(dialog, "rbtn_SelectFolder")->isChecked());
    QVERIFY(!Child<QRadioButton>(dialog, "rbtn_SelectFile")->isChecked());
    QVERIFY(Child<QWidget>(dialog, "edit_FolderPath")->isEnabled());
    QVERIFY(Child<QWidget>(dialog, "pbtn_folder")->isEnabled());
    QVERIFY(!Child<QWidget>(dialog, "edit_FilePath")->isEnabled());
    QVERIFY(!Child<QWidget>(dialog, "pbtn_file")->isEnabled());
}

void TestImportRecordFile::switchModes_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("selectedPath");

    QTest::newRow("file") << QStringList{"rbtn_SelectFile"} << 2 << "/rec/file.wav";
    QTest::newRow("file, then folder") << QStringList{"rbtn_SelectFile", "rbtn_SelectFolder"}
                                       << 1 << "/rec/folder";
}

void TestImportRecordFile::switchModes()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, mode);
    QFETCH(QString, selectedPath);

    ImportRecordFile dialog;
    SetText(dialog, "edit_FolderPath", "/rec/folder");
    SetText(dialog, "edit_FilePath", "/rec/file.wav");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const QString &name : clicks)
        Click(dialog, qPrintable(name));

    const bool folder = mode == 1;
    QCOMPARE(dialog.GetSelectMode(), mode);
    QCOMPARE(Child<QRadioButton>(dialog, "rbtn_SelectFolder")->isChecked(), folder);
    QCOMPARE(Child<QRadioButton>(dialog, "rbtn_SelectFile")->isChecked(), !folder);
    QCOMPARE(Child<QWidget>(dialog, "edit_FolderPath")->isEnabled(), folder);
    QCOMPARE(Child<QWidget>(dialog, "pbtn_folder")->isEnabled(), folder);
    QCOMPARE(Child<QWidget>(dialog, "edit_FilePath")->isEnabled(), !folder);
    QCOMPARE(Child<QWidget>(dialog, "pbtn_file")->isEnabled(), !folder);
    QCOMPARE(dialog.focusWidget(), Child<QWidget>(dialog, folder ? "pbtn_folder" : "pbtn_file"));
    QCOMPARE(dialog.GetSelectPath(), selectedPath);
    // Switching modes leaves both texts as they were.
    QCOMPARE(Child<QLineEdit>(dialog, "edit_FolderPath")->text(), QStringLiteral("/rec/folder"));
    QCOMPARE(Child<QLineEdit>(dialog, "edit_FilePath")->text(), QStringLiteral("/rec/file.wav"));
}

void TestImportRecordFile::emptyPathMessage_data()
{
    QTest::addColumn<QString>("modeButton");
    QTest::addColumn<QString>("otherEdit");

    QTest::newRow("folder mode, file given") << "rbtn_SelectFolder" << "edit_FilePath";
    QTest::newRow("file mode, folder given") << "rbtn_SelectFile" << "edit_FolderPath";
}

// The message leaves the dialog open; only Cancel ends it then.
void TestImportRecordFile::emptyPathMessage()
{
    QFETCH(QString, modeButton);
    QFETCH(QString, otherEdit);

    ImportRecordFile dialog;
    Click(dialog, qPrintable(modeButton));
    SetText(dialog, qPrintable(otherEdit), "/somewhere");
    ShownTip tip;
    bool stayedOpen = false;
    AnswerModal("ImportRecordFile", [&](QDialog *shown) {
        AnswerTip(tip);
        Click(*shown, "pbtn_OK");
        stayedOpen = shown->isVisible();
        Click(*shown, "pbtn_Cancel");
    });

    QCOMPARE(dialog.exec(), 0);
    QVERIFY(tip.shown);
    QCOMPARE(tip.texts, (QStringList{"Import", "Path can not be empty!", "Cancel"}));
    QVERIFY(stayedOpen);
}

void TestImportRecordFile::results_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("OK with a path") << "/no/such/folder" << "pbtn_OK" << 1;
    QTest::newRow("Cancel with a path") << "/rec" << "pbtn_Cancel" << 0;
    QTest::newRow("close button") << "/rec" << "pbtn_ImportClose" << 0;
}

void TestImportRecordFile::results()
{
    QFETCH(QString, path);
    QFETCH(QString, button);
    QFETCH(int, result);

    ImportRecordFile dialog;
    SetText(dialog, "edit_FolderPath", path);
    bool answered = false;
    AnswerModal("ImportRecordFile", [&](QDialog *shown) {
        answered = true;
        Click(*shown, qPrintable(button));
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(answered);
    QCOMPARE(dialog.GetSelectPath(), path);
}

void TestImportRecordFile::browseFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ImportRecordFile dialog;
    QString caption;
    bool dirsOnly = false;
    ChooseInFileDialog(dir.path(), [&](QFileDialog *fileDialog) {
        caption = fileDialog->windowTitle();
        dirsOnly = fileDialog->testOption(QFileDialog::ShowDirsOnly)
                   && fileDialog->testOption(QFileDialog::DontUseNativeDialog);
    });

    Click(dialog, "pbtn_folder");
    QCOMPARE(caption, QStringLiteral("Open Directory"));
    QVERIFY(dirsOnly);
    QCOMPARE(Child<QLineEdit>(dialog, "edit_FolderPath")->text(), dir.path());
}

void TestImportRecordFile::browseFolderCancelled()
{
    ImportRecordFile dialog;
    SetText(dialog, "edit_FolderPath", "/kept");
    bool answered = false;
    AnswerModal("QFileDialog", [&](QDialog *shown) {
        answered = true;
        shown->reject();
    });

    Click(dialog, "pbtn_folder");
    QVERIFY(answered);
    QCOMPARE(Child<QLineEdit>(dialog, "edit_FolderPath")->text(), QStringLiteral("/kept"));
}

void TestImportRecordFile::browseFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("call.wav"));
    QVERIFY(WriteRecording(path));
    ImportRecordFile dialog;
    Click(dialog, "rbtn_SelectFile");
    QString caption;
    QStringList filters;
    bool opensExistingFile = false;
    ChooseInFileDialog(path, [&](QFileDialog *fileDialog) {
        caption = fileDialog->windowTitle();
        filters = fileDialog->nameFilters();
        opensExistingFile = fileDialog->acceptMode() == QFileDialog::AcceptOpen
                            && fileDialog->fileMode() == QFileDialog::ExistingFile
                            && fileDialog->testOption(QFileDialog::DontUseNativeDialog);
    });

    Click(dialog, "pbtn_file");
    QCOMPARE(caption, QStringLiteral("Open File"));
    QCOMPARE(filters, QStringList{"wav(*.wav)"});
    QVERIFY(opensExistingFile);
    QCOMPARE(Child<QLineEdit>(dialog, "edit_FilePath")->text(), path);
    QCOMPARE(dialog.GetSelectPath(), path);
}

void TestImportRecordFile::dragByTitleStrip()
{
    ImportRecordFile dialog;
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const auto drag = [&dialog](const QPoint &press) {
        const QPoint start = dialog.pos();
        QMouseEvent down(QEvent::MouseButtonPress, press, dialog.mapToGlobal(press),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &down);
        const QPoint to = press + QPoint(30, 20);
        QMouseEvent move(QEvent::MouseMove, to, dialog.mapToGlobal(press) + QPoint(30, 20),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &move);
        QMouseEvent up(QEvent::MouseButtonRelease, to, dialog.mapToGlobal(to), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &up);
        return dialog.pos() - start;
    };
    QCOMPARE(drag(QPoint(200, 40)), QPoint(30, 20));
    QCOMPARE(drag(QPoint(200, 60)), QPoint(0, 0));
}

QTEST_MAIN(TestImportRecordFile)
#include "tst_importrecordfile.moc"
