#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList messages;
QByteArray expected; // the class of the dialog a test waits for
std::function<void(QDialog *)> pendingAnswer;
int shows = 0;

void Fail(const QString &message) { QTest::qFail(qPrintable(message), __FILE__, __LINE__); }

void Reject(QDialog *dialog, const char *why)
{
    Fail(QStringLiteral("%1 %2 '%3', rejected").arg(why, dialog->metaObject()->className(), dialog->windowTitle()));
    dialog->reject();
}

// Runs in the dialog's own event loop, once per show.
void Handle(QDialog *dialog, int show)
{
    QTimer::singleShot(kWaitMs, dialog, [dialog, show] {
        if (dialog->isVisible() && dialog->property("watchedShow").toInt() == show)
            Reject(dialog, "still open after 10 s:");
    });
    if (dialog->inherits("MsgTipWidthSingleBtn")) {
        messages << dialog->findChild<QLabel *>("label_MsgWithSingleBtnWndText")->text();
        dialog->findChild<QPushButton *>("pbtn_MsgWndWithSingleBtnRes")->click();
    } else if (!expected.isEmpty() && dialog->inherits(expected)) {
        expected.clear();
        std::exchange(pendingAnswer, nullptr)(dialog);
    } else if (!dialog->inherits("TipDlg")) {
        Reject(dialog, "unexpected dialog");
    }
}

} // namespace

DialogWatch::DialogWatch()
{
    qApp->installEventFilter(this);
}

bool DialogWatch::eventFilter(QObject *watched, QEvent *event)
{
    auto *dialog = event->type() == QEvent::Show ? qobject_cast<QDialog *>(watched) : nullptr;
    if (dialog && dialog->isModal()) {
        dialog->setProperty("watchedShow", ++shows);
        QTimer::singleShot(0, dialog, [dialog, show = shows] { Handle(dialog, show); });
    }
    return false;
}

QStringList TakeMessages()
{
    return std::exchange(messages, {});
}

bool WaitUntil(const std::function<bool()> &ready, const QString &what)
{
    const bool ok = QTest::qWaitFor(ready, kWaitMs);
    if (!ok)
        Fail(what + QStringLiteral(" within 10 s"));
    return ok;
}

void AnswerModal(const char *className, const std::function<void(QDialog *)> &answer,
                 const std::function<void()> &trigger)
{
    expected = className;
    pendingAnswer = answer;
    trigger();
    if (!WaitUntil([] { return expected.isEmpty(); }, QStringLiteral("no dialog %1").arg(className)))
        expected.clear();
}

void ChooseFromMenu(const QStringList &path, const std::function<void()> &trigger)
{
    int step = 0;
    bool missing = false;
    QMenu *opened = nullptr;
    const auto closeMenus = [] {
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || menu == opened || missing || step == path.size())
            return;
        opened = menu;
        QAction *entry = nullptr;
        for (QAction *action : menu->actions())
            entry = action->text() == path[step] ? action : entry;
        if ((missing = !entry))
            return closeMenus();
        menu->setActiveAction(entry);
        QTest::keyClick(menu, ++step == path.size() ? Qt::Key_Return : Qt::Key_Right);
    });
    poll.start(10);
    trigger();
    if (!WaitUntil([&] { return missing || step == path.size(); },
                   QStringLiteral("no menu with '%1'").arg(path.value(step))))
        closeMenus();
    else if (missing)
        Fail(QStringLiteral("no entry '%1' in the menu").arg(path.value(step)));
}
