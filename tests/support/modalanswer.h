#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QDialog;

// No wait of a window test lasts longer: it fails, naming what it waited for.
constexpr int kWaitMs = 10000;

// Watches the modal dialogs (one per test program): notes and answers each
// one-button message; hands the dialog a test expects to its answer; rejects
// any other (a progress dialog after kWaitMs) and any still open after
// kWaitMs, failing the running test with its name. No dialog blocks a test.
class DialogWatch : public QObject
{
public:
    DialogWatch();
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
// Runs trigger and chooses the entries named by path in the popup menus it
// opens, each but the last opening the next; fails, the menus closed, when
// an entry does not show.
void ChooseFromMenu(const QStringList &path, const std::function<void()> &trigger);
