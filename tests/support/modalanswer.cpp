#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

namespace {

QDialog *ModalDialog()
{
    return qobject_cast<QDialog *>(QApplication::activeModalWidget());
}

} // namespace

void PollUntil(const std::function<bool()> &step, int timeoutMs,
               const std::function<void()> &expired)
{
    auto *poll = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, step, expired] {
        poll->stop();
        if (!step() && !deadline.hasExpired()) {
            poll->start();
            return;
        }
        if (deadline.hasExpired() && expired)
            expired();
        poll->deleteLater();
    });
    poll->start(10);
}

void AnswerModal(const char *className, const std::function<void(QDialog *)> &answer,
                 int timeoutMs)
{
    PollUntil(
        [className, answer] {
            QDialog *dialog = ModalDialog();
            if (!dialog || !dialog->inherits(className))
                return false;
            answer(dialog);
            return true;
        },
        timeoutMs,
        [] {
            if (QDialog *dialog = ModalDialog())
                dialog->reject();
        });
}
