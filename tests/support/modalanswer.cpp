#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

namespace {

constexpr int kPollMs = 10;

QDialog *ModalDialog()
{
    return qobject_cast<QDialog *>(QApplication::activeModalWidget());
}

} // namespace

void AnswerModal(const char *className, const std::function<void(QDialog *)> &answer,
                 int timeoutMs)
{
    auto *poll = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, className, answer] {
        QDialog *dialog = ModalDialog();
        if (dialog && dialog->inherits(className)) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        } else if (deadline.hasExpired()) {
            poll->stop();
            poll->deleteLater();
            if (dialog)
                dialog->reject();
        }
    });
    poll->start(kPollMs);
}
