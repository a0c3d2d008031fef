#pragma once

#include "app/appresources.h"
#include "player/pitchkeepingsink.h"
#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QtTest>

// Copies the running program, and with withCatalogs the catalogs beside it,
// into folder: the application keeps its catalogs, Settings.ini and working
// database beside its executable. The copy's path, or empty.
QString CopyProgramInto(const QString &folder, bool withCatalogs);

// Called first in main(): unless this process is that copy, runs a copy in a
// new temporary folder with the same arguments and output, and returns true
// with its exit status: nothing left beside the build's executables meets it.
bool RanInOwnFolder(int argc, char *argv[], int *status);

// main() of a test of the real window: from its own folder, with the
// resources, its dialogs watched, playing as the program does through appsink,
// which keeps to the clock (fakesink would end a recording before a test sees
// it play).
#define OVELIA_WINDOW_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        int status = 0;                                                                            \
        if (RanInOwnFolder(argc, argv, &status))                                                   \
            return status;                                                                         \
        qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "appsink");                                      \
        QApplication application(argc, argv);                                                      \
        RegisterResources();                                                                       \
        KeepPitchAtAnyRate();                                                                      \
        const DialogWatch watch;                                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
