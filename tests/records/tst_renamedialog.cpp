#include "app/appresources.h"
#include "records/renamedialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

bool WriteFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4;
}

// Answers the first one-button note that opens and keeps its texts.
class NoteCloser : public QObject
{
public:
    NoteCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, &NoteCloser::CloseNote);
        m_timer.start(20);
    }

    QStringList texts;

private:
    void CloseNote()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != QLatin1String("MsgTipWidthSingleBtn") || !widget->isVisible())
                continue;
            texts = QStringList{
                widget->findChild<QLabel *>(QStringLiteral("label_MsgWndWithSingleBtnTitle"))->text(),
                widget->findChild<QLabel *>(QStringLiteral("label_MsgWithSingleBtnWndText"))->text(),
                widget->findChild<QPushButton *>(QStringLiteral("pbtn_MsgWndWithSingleBtnRes"))->text()};
            static_cast<QDialog *>(widget)->done(1);
            m_timer.stop();
        }
    }

    QTimer m_timer;
};

} // namespace

class TestRenameDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void showName_data();
    void showName();
    void refusedCharacters_data();
    void refusedCharacters();
    void atMost250Characters();
    void okStaysOpenOnBlankName_data();
    void okStaysOpenOnBlankName();
    void okAcceptsNewName_data();
    void okAcceptsNewName();
    void okRefusesNameOfAnotherFile();
    void cancelAndCloseReject_data();
    void cancelAndCloseReject();
    void titleStripDrags_data();
    void titleStripDrags();

private:
    QLineEdit *NameField() const { return m_dialog->findChild<QLineEdit *>(QStringLiteral("ledt_Rename")); }
    QPushButton *Button(const char *name) const
    {
        return m_dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    void Type(const QString &name)
    {
        NameField()->clear();
        QTest::keyClicks(NameField(), name);
    }

    QTemporaryDir *m_dir = nullptr;
    RenameDialog *m_dialog = nullptr;
    QString m_oldPath;
};

void TestRenameDialog::initTestCase()
{
    RegisterResources();
}

void TestRenameDialog::init()
{
    m_dir = new QTemporaryDir;
    m_oldPath = m_dir->filePath(QStringLiteral("old.wav"));
    QVERIFY(WriteFile(m_oldPath));
    m_dialog = new RenameDialog;
    m_dialog->SetOldPath(m_oldPath);
    m_dialog->SetOldName(QStringLiteral("old.wav"));
    m_dialog->ShowName();
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestRenameDialog::cleanup()
{
    delete m_dialog;
    delete m_dir;
}

void TestRenameDialog::form()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("RenameDialog"));
    QCOMPARE(m_dialog->size(), QSize(491, 233));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Rename"));
    QCOMPARE(m_dialog->windowModality(), Qt::NonModal);
    QVERIFY(m_dialog->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!(m_dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(m_dialog->testAttribute(Qt::WA_TranslucentBackground));
    const QWidget *background = m_dialog->findChild<QWidget *>(QStringLiteral("BackgroundWidget"));
    QVERIFY(background->autoFillBackground());
    QCOMPARE(background->palette().window().texture().size(), QSize(491, 233));
    QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("label_Rename"))->text(), QStringLiteral("File Name"));
    QCOMPARE(Button("pbtn_OK")->text(), QStringLiteral("Yes"));
    QCOMPARE(Button("pbtn_Cancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(Button("pbtn_RenameClose")->text().isEmpty());
}

void TestRenameDialog::showName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("shown");

    QTest::newRow("extension dropped") << "old.wav" << "old";
    QTest::newRow("only the last extension dropped") << "take.v2.wav" << "take.v2";
    QTest::newRow("blank kept") << "my take.wav" << "my take";
}

void TestRenameDialog::showName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, shown);

    m_dialog->SetOldPath(m_dir->filePath(fileName));
    m_dialog->ShowName();
    QCOMPARE(NameField()->text(), shown);
}

void TestRenameDialog::refusedCharacters_data()
{
    QTest::addColumn<QString>("character");

    for (const QChar character : QStringLiteral("\\/:|*?\"<>"))
        QTest::addRow("%c", character.toLatin1()) << QString(character);
}

void TestRenameDialog::refusedCharacters()
{
    QFETCH(QString, character);

    Type(QStringLiteral("a") + character + QStringLiteral("b"));
    QCOMPARE(NameField()->text(), QStringLiteral("ab"));
}

void TestRenameDialog::atMost250Characters()
{
    Type(QString(260, QLatin1Char('n')));
    QCOMPARE(NameField()->text(), QString(250, QLatin1Char('n')));
}

void TestRenameDialog::okStaysOpenOnBlankName_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
}

void TestRenameDialog::okStaysOpenOnBlankName()
{
    QFETCH(QString, typed);

    Type(typed);
    QTest::mouseClick(Button("pbtn_OK"), Qt::LeftButton);

    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->NewPath().isEmpty());
}

void TestRenameDialog::okAcceptsNewName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("newName");

    QTest::newRow("inner blank kept") << "new name" << "new name.wav";
    QTest::newRow("unchanged name") << "old" << "old.wav";
}

void TestRenameDialog::okAcceptsNewName()
{
    QFETCH(QString, typed);
    QFETCH(QString, newName);

    Type(typed);
    QTest::mouseClick(Button("pbtn_OK"), Qt::LeftButton);

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->NewName(), newName);
    QCOMPARE(m_dialog->NewPath(), m_dir->path() + QLatin1Char('/') + newName);
    QVERIFY(QFile::exists(m_oldPath));
}

void TestRenameDialog::okRefusesNameOfAnotherFile()
{
    QVERIFY(WriteFile(m_dir->filePath(QStringLiteral("other.wav"))));
    NoteCloser closer;

    Type(QStringLiteral("other"));
    QTest::mouseClick(Button("pbtn_OK"), Qt::LeftButton);

    QCOMPARE(closer.texts, (QStringList{"Rename", "File name exists, please re-modify!", "Cancel"}));
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->NewPath().isEmpty());
}

void TestRenameDialog::cancelAndCloseReject_data()
{
    QTest::addColumn<QString>("button");

    QTest::newRow("Cancel") << "pbtn_Cancel";
    QTest::newRow("close button") << "pbtn_RenameClose";
}

void TestRenameDialog::cancelAndCloseReject()
{
    QFETCH(QString, button);

    Type(QStringLiteral("new name"));
    QSignalSpy rejected(m_dialog, &QDialog::rejected);
    QTest::mouseClick(Button(qPrintable(button)), Qt::LeftButton);

    QCOMPARE(rejected.count(), 1);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_dialog->NewPath().isEmpty());
}

void TestRenameDialog::titleStripDrags_data()
{
    QTest::addColumn<int>("pressY");
    QTest::addColumn<bool>("moves");

    QTest::newRow("in the title strip") << 45 << true;
    QTest::newRow("below the title strip") << 46 << false;
}

void TestRenameDialog::titleStripDrags()
{
    QFETCH(int, pressY);
    QFETCH(bool, moves);

    const QPoint start = m_dialog->pos();
    const QPoint press(200, pressY);
    QMouseEvent pressEvent(QEvent::MouseButtonPress, press, m_dialog->mapToGlobal(press),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_dialog, &pressEvent);
    const QPoint to = press + QPoint(30, 20);
    QMouseEvent moveEvent(QEvent::MouseMove, to, m_dialog->mapToGlobal(to), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_dialog, &moveEvent);
    QMouseEvent releaseEvent(QEvent::MouseButtonRelease, to, m_dialog->mapToGlobal(to),
                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_dialog, &releaseEvent);

    QCOMPARE(m_dialog->pos(), moves ? start + QPoint(30, 20) : start);
}

QTEST_MAIN(TestRenameDialog)
#include "tst_renamedialog.moc"
