#pragma once

#include <functional>

class QDialog;

// Answers the next modal dialog of the given class (QObject::inherits) once
// its exec() is running: polls every 10 ms and calls answer with it. When no
// such dialog shows up within timeoutMs, the dialog that is modal then (if
// any) is rejected, so the test does not hang, and answer is not called.
//
//     bool answered = false;
//     AnswerModal("MsgTipWidthSingleBtn", [&](QDialog *tip) { answered = true; tip->accept(); });
//     dialog.exec();
//     QVERIFY(answered);
void AnswerModal(const char *className, const std::function<void(QDialog *)> &answer,
                 int timeoutMs = 5000);
