#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QDialog;

// No wait of a window test lasts longer: it fails, naming what it waited for.
constexpr int kWaitMs = 10000;

// Watches the modal dialogs while it lives (one per test program): notes the
// text of each one-button message and answers it with its button; hands the
// dialog a test expects to its answer; rejects any other dialog at once (a
// progress dialog only after kWaitMs) and any dialog still open after
// kWaitMs, failing the running test with the dialog's name. No dialog blocks.
class DialogWatch : public QObject
{
public:
    DialogWatch();
    ~DialogWatch() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The texts of the one-button messages shown since the last call, in order.
QStringList TakeMessages();
// Processes events until ready() holds; else fails the running test with
// "<what> within 10 s".
bool WaitUntil(const std::function<bool()> &ready, const QString &what);
// Runs trigger and answers the modal dialog of className (QObject::inherits)
// that it opens once the dialog's exec() runs; fails when none opens.
void AnswerModal(const char *className, const std::function<void(QDialog *)> &answer,
                 const std::function<void()> &trigger);
// Runs trigger and walks the popup menus it opens: the entries named by path,
// each opening the next menu, the last one chosen. Fails, the menus closed,
// when an entry does not show.
void ChooseFromMenu(const QStringList &path, const std::function<void()> &trigger);
