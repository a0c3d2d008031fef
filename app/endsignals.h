#pragma once

class QObject;

// SIGTERM, SIGINT and SIGHUP (a logout, kill, Ctrl+C in a terminal) end the
// event loops of the application the way closing its window does, so that
// the main window is destroyed as at a close: the worker stopped, the working
// database removed, exit status 0. The signal is noted by its handler and
// acted on by the event loop, in the GUI thread; owner keeps the watcher.
void EndOnTerminationSignals(QObject *owner);
