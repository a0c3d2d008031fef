#pragma once

#include <functional>

class QDialog;

// Calls step from the event loop every 10 ms, not while a call runs, until
// it returns true; once timeoutMs have passed, calls expired (if any) instead.
void PollUntil(const std::function<bool()> &step, int timeoutMs = 5000,
               const std::function<void()> &expired = {});

// Answers the next modal dialog of the given class (QObject::inherits) once
// its exec() is running. When no such dialog shows up within timeoutMs, the
// dialog that is modal then (if any) is rejected, so that the test does not
// hang, and answer is not called.
void AnswerModal(const char *className, const std::function<void(QDialog *)> &answer,
                 int timeoutMs = 5000);
