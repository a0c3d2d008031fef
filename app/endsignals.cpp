#include "app/endsignals.h"

#include <QCoreApplication>

#include <csignal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#else
#include <QTimer>
#endif

namespace {

constexpr int kEndSignals[] = {
    SIGTERM, SIGINT,
#ifdef SIGHUP
    SIGHUP,
#endif
};

#ifdef Q_OS_UNIX

// The handler writes one byte into this pipe, the one thing it may safely do.
int g_signalPipe[2] = {-1, -1};

extern "C" void NoteEndSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool OpenSignalPipe()
{
    if (::pipe(g_signalPipe) != 0)
        return false;
    for (int end : g_signalPipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    return true;
}

void CatchEndSignals()
{
    struct sigaction action = {};
    action.sa_handler = NoteEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kEndSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

#else

// Elsewhere the handler only raises a flag, which a timer looks at.
volatile std::sig_atomic_t g_endSignalled = 0;

extern "C" void NoteEndSignal(int)
{
    g_endSignalled = 1;
}

#endif

} // namespace

#ifdef Q_OS_UNIX

void EndOnTerminationSignals(QObject *owner)
{
    if (!OpenSignalPipe())
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
        char bytes[16];
        while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        QCoreApplication::quit();
    });
    CatchEndSignals();
}

#else

void EndOnTerminationSignals(QObject *owner)
{
    constexpr int kLookEveryMs = 100;
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [] {
        if (g_endSignalled)
            QCoreApplication::quit();
    });
    timer->start(kLookEveryMs);
    for (int signalNumber : kEndSignals)
        std::signal(signalNumber, NoteEndSignal);
}

#endif
