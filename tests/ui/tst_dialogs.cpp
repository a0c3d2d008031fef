#include "app/appresources.h"
#include "dialogtestkit.h"
#include "ui/abouttip.h"
#include "ui/messagetip.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/tipdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <memory>

using DialogFactory = std::function<QDialog *()>;
using ShowTipCall = std::function<int()>;
Q_DECLARE_METATYPE(DialogFactory)
Q_DECLARE_METATYPE(ShowTipCall)
Q_DECLARE_METATYPE(DialogAnswer)

namespace {

const QString kCopyright = QStringLiteral("Copyright (C) 2026 Ovelia. All rights reserved.");

QDialog *NewMessageTip()
{
    return new MessageTip("Delete", "Are you sure want to delete?", "Delete", "Keep", nullptr);
}

QDialog *NewMsgTip()
{
    return new MsgTipWidthSingleBtn("Rename", "Fail to rename!", "OK", nullptr);
}

QDialog *NewAboutTip()
{
    return new AboutTip("About", "Ovelia V1.00.02.001", "OK", nullptr);
}

QDialog *NewTipDlg()
{
    return new TipDlg(nullptr);
}

struct NamedFactory
{
    const char *name;
    DialogFactory make;
};

const NamedFactory kDialogs[] = {
    {"MessageTip", NewMessageTip},
    {"MsgTipWidthSingleBtn", NewMsgTip},
    {"AboutTip", NewAboutTip},
    {"TipDlg", NewTipDlg},
};

// The dialog itself when the name is its own, otherwise its descendant.
QObject *FindObject(QDialog *dialog, const QString &objectName)
{
    if (dialog->objectName() == objectName)
        return dialog;
    return dialog->findChild<QObject *>(objectName);
}

void AddRow(const QString &name, const DialogFactory &make)
{
    QTest::newRow(qPrintable(name)) << make;
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void closing_data();
    void closing();
    void showTip_data();
    void showTip();
    void texts_data();
    void texts();
    void windowFlags_data();
    void windowFlags();
    void geometry_data();
    void geometry();
    void stacking_data();
    void stacking();
    void background_data();
    void background();
    void drag_data();
    void drag();
    void mouseEventsStayWithTheDialog_data();
    void mouseEventsStayWithTheDialog();
    void tipDlgCloseButtonIsDisabled();
    void tipDlgReloadLanguageUsesTranslator();
    void tipDlgConstructorTranslates();
};

void DialogsTest::initTestCase()
{
    RegisterResources();
}

void DialogsTest::closing_data()
{
    QTest::addColumn<DialogFactory>("make");
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<int>("expected");

    auto row = [](const char *name, DialogFactory make, DialogAnswer answer, int expected) {
        QTest::newRow(name) << make << answer << expected;
    };
    row("MessageTip/left button", NewMessageTip, ClickChild("pbtn_OK"), 1);
    row("MessageTip/right button", NewMessageTip, ClickChild("pbtn_Cancel"), 0);
    row("MessageTip/close button", NewMessageTip, ClickChild("pbtn_MsgTip_Close"), 0);
    row("MessageTip/Esc", NewMessageTip, PressEscape(), 0);
    row("MessageTip/window closed", NewMessageTip, CloseWindow(), 0);
    row("MsgTipWidthSingleBtn/button", NewMsgTip, ClickChild("pbtn_MsgWndWithSingleBtnRes"), 1);
    row("MsgTipWidthSingleBtn/close button", NewMsgTip,
        ClickChild("pbtn_MsgWndWithSingleBtn_Close"), 0);
    row("AboutTip/button", NewAboutTip, ClickChild("pbtn_AboutTipBtnRes"), 1);
    row("AboutTip/close button", NewAboutTip, ClickChild("pbtn_AboutTip_Close"), 0);
    row("TipDlg/Close_slots", NewTipDlg, InvokeSlot("Close_slots"), 1);
    row("TipDlg/Cancel", NewTipDlg, ClickChild("pbtn_TipWndCancel"), 0);
    row("TipDlg/Esc", NewTipDlg, PressEscape(), 0);
    row("TipDlg/window closed", NewTipDlg, CloseWindow(), 0);
}

void DialogsTest::closing()
{
    QFETCH(DialogFactory, make);
    QFETCH(DialogAnswer, answer);
    QFETCH(int, expected);

    const std::unique_ptr<QDialog> dialog(make());
    QCOMPARE(RunAnswered([&] { return dialog->exec(); }, answer), expected);
    QVERIFY(!dialog->isVisible());
}

void DialogsTest::showTip_data()
{
    QTest::addColumn<ShowTipCall>("showTip");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expectedTitle");
    QTest::addColumn<int>("expected");

    const ShowTipCall message = [] {
        return MessageTip::ShowTip("Delete", "Are you sure want to delete?", "Delete", "Cancel",
                                   nullptr);
    };
    const ShowTipCall note = [] {
        return MsgTipWidthSingleBtn::ShowTip("Export", "Path error or can't write!", "Cancel",
                                             nullptr);
    };
    const ShowTipCall about = [] {
        return AboutTip::ShowTip("About", "Ovelia V1.00.02.001", "OK", nullptr);
    };
    QTest::newRow("MessageTip/confirmed") << message << "pbtn_OK" << "Delete" << 1;
    QTest::newRow("MessageTip/refused") << message << "pbtn_Cancel" << "Delete" << 0;
    QTest::newRow("MsgTipWidthSingleBtn/button")
        << note << "pbtn_MsgWndWithSingleBtnRes" << "Export" << 1;
    QTest::newRow("MsgTipWidthSingleBtn/close button")
        << note << "pbtn_MsgWndWithSingleBtn_Close" << "Export" << 0;
    QTest::newRow("AboutTip/button") << about << "pbtn_AboutTipBtnRes" << "About" << 1;
    QTest::newRow("AboutTip/close button") << about << "pbtn_AboutTip_Close" << "About" << 0;
}

void DialogsTest::showTip()
{
    QFETCH(ShowTipCall, showTip);
    QFETCH(QString, button);
    QFETCH(QString, expectedTitle);
    QFETCH(int, expected);

    QString shownTitle;
    const DialogAnswer click = ClickChild(button);
    const int result = RunAnswered(showTip, [&](QDialog *dialog) {
        shownTitle = dialog->windowTitle();
        click(dialog);
    });
    QCOMPARE(result, expected);
    QCOMPARE(shownTitle, expectedTitle);
}

void DialogsTest::texts_data()
{
    QTest::addColumn<DialogFactory>("make");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");

    auto row = [](DialogFactory make, const char *objectName, const char *property,
                  const QString &expected) {
        QTest::addRow("%s.%s", objectName, property)
            << make << QString(objectName) << QByteArray(property) << expected;
    };
    row(NewMessageTip, "MessageTip", "windowTitle", "Delete");
    row(NewMessageTip, "label_MsgTip_Title", "text", "Delete");
    row(NewMessageTip, "label_MsgTipContent", "text", "Are you sure want to delete?");
    row(NewMessageTip, "pbtn_OK", "text", "Delete");
    row(NewMessageTip, "pbtn_Cancel", "text", "Keep");
    row(NewMessageTip, "pbtn_MsgTip_Close", "text", "");
    row(NewMsgTip, "MsgTipWidthSingleBtn", "windowTitle", "Rename");
    row(NewMsgTip, "label_MsgWndWithSingleBtnTitle", "text", "Rename");
    row(NewMsgTip, "label_MsgWithSingleBtnWndText", "text", "Fail to rename!");
    row(NewMsgTip, "pbtn_MsgWndWithSingleBtnRes", "text", "OK");
    row(NewMsgTip, "pbtn_MsgWndWithSingleBtn_Close", "text", "");
    row(NewAboutTip, "AboutTip", "windowTitle", "About");
    row(NewAboutTip, "label_AboutTip_Title", "text", "About");
    row(NewAboutTip, "label_SW_Version", "text", "Ovelia V1.00.02.001");
    row(NewAboutTip, "label_SW_Copyright", "text", kCopyright);
    row(NewAboutTip, "pbtn_AboutTipBtnRes", "text", "OK");
    row(NewAboutTip, "pbtn_AboutTip_Close", "text", "");
    row(NewTipDlg, "TipDlg", "windowTitle", "Import");
    row(NewTipDlg, "label_TipWndTitle", "text", "Import");
    row(NewTipDlg, "label_Tip", "text", "Importing, please wait...");
    row(NewTipDlg, "pbtn_TipWndCancel", "text", "Cancel");
    row(NewTipDlg, "pbtn_TipWndClose", "text", "");
}

void DialogsTest::texts()
{
    QFETCH(DialogFactory, make);
    QFETCH(QString, objectName);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);

    const std::unique_ptr<QDialog> dialog(make());
    QObject *object = FindObject(dialog.get(), objectName);
    QVERIFY(object);
    QCOMPARE(object->property(property).toString(), expected);
}

void DialogsTest::windowFlags_data()
{
    QTest::addColumn<DialogFactory>("make");
    for (const NamedFactory &dialog : kDialogs)
        AddRow(dialog.name, dialog.make);
}

void DialogsTest::windowFlags()
{
    QFETCH(DialogFactory, make);

    const std::unique_ptr<QDialog> dialog(make());
    QCOMPARE(dialog->windowType(), Qt::Window);
    QCOMPARE(dialog->windowFlags() & ~Qt::WindowType_Mask,
             Qt::WindowFlags(Qt::FramelessWindowHint));
    QVERIFY(dialog->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog->size(), QSize(411, 203));
}

void DialogsTest::geometry_data()
{
    QTest::addColumn<DialogFactory>("make");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QRect>("expected");

    auto row = [](DialogFactory make, const char *objectName, const char *className,
                  const QRect &expected) {
        QTest::newRow(objectName) << make << QString(objectName) << QByteArray(className)
                                  << expected;
    };
    const QRect closeButton(358, 20, 23, 23);
    const QRect title(26, 18, 91, 21);
    const QRect whole(0, 0, 411, 203);
    row(NewMessageTip, "pbtn_MsgTip_Close", "QPushButton", closeButton);
    row(NewMessageTip, "label_MsgTip_Title", "QLabel", title);
    row(NewMessageTip, "pbtn_OK", "QPushButton", QRect(15, 136, 188, 46));
    row(NewMessageTip, "pbtn_Cancel", "QPushButton", QRect(202, 136, 188, 46));
    row(NewMessageTip, "label_MsgTipContent", "QLabel", QRect(50, 85, 300, 16));
    row(NewMessageTip, "BackgroundWidget", "QWidget", whole);
    row(NewMsgTip, "label_MsgWndWithSingleBtnTitle", "QLabel", title);
    row(NewMsgTip, "label_MsgWithSingleBtnWndText", "QLabel", QRect(26, 85, 360, 16));
    row(NewMsgTip, "pbtn_MsgWndWithSingleBtn_Close", "QPushButton", closeButton);
    row(NewMsgTip, "pbtn_MsgWndWithSingleBtnRes", "QPushButton", QRect(15, 136, 375, 46));
    row(NewAboutTip, "pbtn_AboutTip_Close", "QPushButton", closeButton);
    row(NewAboutTip, "pbtn_AboutTipBtnRes", "QPushButton", QRect(15, 136, 375, 46));
    row(NewAboutTip, "label_AboutTip_Title", "QLabel", title);
    row(NewAboutTip, "label_SW_Version", "QLabel", QRect(26, 70, 360, 16));
    row(NewAboutTip, "label_SW_Copyright", "QLabel", QRect(26, 100, 360, 16));
    row(NewTipDlg, "label_Tip", "QLabel", QRect(50, 85, 300, 16));
    row(NewTipDlg, "pbtn_TipWndClose", "QPushButton", closeButton);
    row(NewTipDlg, "label_TipWndTitle", "QLabel", title);
    row(NewTipDlg, "pbtn_TipWndCancel", "QPushButton", QRect(15, 136, 376, 46));
}

void DialogsTest::geometry()
{
    QFETCH(DialogFactory, make);
    QFETCH(QString, objectName);
    QFETCH(QByteArray, className);
    QFETCH(QRect, expected);

    const std::unique_ptr<QDialog> dialog(make());
    auto *widget = dialog->findChild<QWidget *>(objectName);
    QVERIFY(widget);
    QCOMPARE(QByteArray(widget->metaObject()->className()), className);
    QCOMPARE(widget->geometry(), expected);
}

void DialogsTest::stacking_data()
{
    QTest::addColumn<DialogFactory>("make");
    QTest::addColumn<QString>("foreground");
    QTest::addColumn<QString>("expectedParent");

    QTest::newRow("MessageTip") << DialogFactory(NewMessageTip) << "pbtn_OK" << "MessageTip";
    QTest::newRow("MsgTipWidthSingleBtn")
        << DialogFactory(NewMsgTip) << "label_MsgWndWithSingleBtnTitle" << "MsgTipWidthSingleBtn";
    QTest::newRow("AboutTip") << DialogFactory(NewAboutTip) << "label_SW_Version" << "AboutTip";
    QTest::newRow("TipDlg/label") << DialogFactory(NewTipDlg) << "label_Tip" << "TipDlg";
    QTest::newRow("TipDlg/cancel")
        << DialogFactory(NewTipDlg) << "pbtn_TipWndCancel" << "BackgroundWidget";
}

void DialogsTest::stacking()
{
    QFETCH(DialogFactory, make);
    QFETCH(QString, foreground);
    QFETCH(QString, expectedParent);

    const std::unique_ptr<QDialog> dialog(make());
    const QList<QWidget *> children =
        dialog->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(!children.isEmpty());
    QCOMPARE(children.first()->objectName(), QStringLiteral("BackgroundWidget"));

    auto *widget = dialog->findChild<QWidget *>(foreground);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), expectedParent);
    const QPoint centre = widget->mapTo(dialog.get(), widget->rect().center());
    QCOMPARE(dialog->childAt(centre), widget);
}

void DialogsTest::background_data()
{
    windowFlags_data();
}

void DialogsTest::background()
{
    QFETCH(DialogFactory, make);

    const std::unique_ptr<QDialog> dialog(make());
    auto *background = dialog->findChild<QWidget *>("BackgroundWidget");
    QVERIFY(background);
    QVERIFY(background->autoFillBackground());
    const QPixmap expected = QPixmap(":/PicRes/BK_TipWnd.png")
                                 .scaled(411, 203, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(!expected.isNull(), "the background image is not among the resources");
    const QPixmap shown = background->palette().brush(QPalette::Window).texture();
    QCOMPARE(shown.toImage(), expected.toImage());
}

void DialogsTest::drag_data()
{
    QTest::addColumn<DialogFactory>("make");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<bool>("moves");

    // Which buttons drag is the title strip's own business; each dialog
    // only decides how tall its strip is.
    for (const NamedFactory &dialog : kDialogs) {
        QTest::addRow("%s/strip bottom y 45", dialog.name)
            << dialog.make << QPointF(200, 45) << true;
        QTest::addRow("%s/below strip y 46", dialog.name)
            << dialog.make << QPointF(200, 46) << false;
    }
}

void DialogsTest::drag()
{
    QFETCH(DialogFactory, make);
    QFETCH(QPointF, press);
    QFETCH(bool, moves);

    const std::unique_ptr<QDialog> dialog(make());
    dialog->move(100, 100);
    const QPoint delta(30, -20);
    const QPoint moved = DragBy(dialog.get(), press, Qt::LeftButton, Qt::LeftButton, delta);
    QCOMPARE(moved, moves ? delta : QPoint());
}

void DialogsTest::mouseEventsStayWithTheDialog_data()
{
    windowFlags_data();
}

// The base class would mark the events as ignored, which lets them travel on.
void DialogsTest::mouseEventsStayWithTheDialog()
{
    QFETCH(DialogFactory, make);

    const std::unique_ptr<QDialog> dialog(make());
    const QPointF inStrip(200, 10);
    const QPointF global = dialog->mapToGlobal(inStrip.toPoint());
    QMouseEvent press = MouseEvent(QEvent::MouseButtonPress, inStrip, global, Qt::LeftButton,
                                   Qt::LeftButton);
    QMouseEvent move = MouseEvent(QEvent::MouseMove, inStrip, global + QPointF(5, 5),
                                  Qt::NoButton, Qt::LeftButton);
    QMouseEvent release = MouseEvent(QEvent::MouseButtonRelease, inStrip, global, Qt::LeftButton,
                                     Qt::NoButton);
    for (QMouseEvent *event : {&press, &move, &release}) {
        QApplication::sendEvent(dialog.get(), event);
        QVERIFY(event->isAccepted());
    }
}

void DialogsTest::tipDlgCloseButtonIsDisabled()
{
    TipDlg dialog;
    dialog.show();
    auto *closeButton = dialog.findChild<QPushButton *>("pbtn_TipWndClose");
    QVERIFY(closeButton);
    QVERIFY(!closeButton->isEnabled());

    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
}

void DialogsTest::tipDlgReloadLanguageUsesTranslator()
{
    TipDlg dialog;
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TIPDLG_CATALOG)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    dialog.ReloadLanguage();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Einlesen"));
    QCOMPARE(dialog.findChild<QLabel *>("label_TipWndTitle")->text(), QStringLiteral("Einlesen"));
    QCOMPARE(dialog.findChild<QLabel *>("label_Tip")->text(),
             QStringLiteral("Wird eingelesen, bitte warten..."));
    QCOMPARE(dialog.findChild<QPushButton *>("pbtn_TipWndCancel")->text(),
             QStringLiteral("Abbrechen"));

    QCoreApplication::removeTranslator(&translator);
    dialog.ReloadLanguage();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Import"));
    QCOMPARE(dialog.findChild<QLabel *>("label_TipWndTitle")->text(), QStringLiteral("Import"));
    QCOMPARE(dialog.findChild<QLabel *>("label_Tip")->text(),
             QStringLiteral("Importing, please wait..."));
    QCOMPARE(dialog.findChild<QPushButton *>("pbtn_TipWndCancel")->text(),
             QStringLiteral("Cancel"));
}

void DialogsTest::tipDlgConstructorTranslates()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TIPDLG_CATALOG)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    TipDlg dialog;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Einlesen"));
    QCOMPARE(dialog.findChild<QLabel *>("label_Tip")->text(),
             QStringLiteral("Wird eingelesen, bitte warten..."));
    QCOMPARE(dialog.findChild<QPushButton *>("pbtn_TipWndCancel")->text(),
             QStringLiteral("Abbrechen"));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
