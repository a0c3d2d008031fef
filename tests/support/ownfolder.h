#pragma once

#include "app/appresources.h"
#include "tests/support/modalanswer.h"

#include <QApplication>
#include <QtTest>

// Copies the running program, and with withCatalogs the catalogs beside it,
// into folder: the application keeps its catalogs, Settings.ini and working
// database beside its executable. The copy's path, or empty.
QString CopyProgramInto(const QString &folder, bool withCatalogs);

// Called first in main(): unless this process is already that copy, runs a
// copy of the program in a new temporary folder with the same arguments and
// output, returns true and puts its exit status into *status. Nothing left
// beside the build's executables, and nothing another test writes there,
// meets a test that runs from its own folder.
bool RanInOwnFolder(int argc, char *argv[], int *status);

// main() of a test of the real window: run from its own folder, with the
// application's resources, its dialogs watched, and playing through appsink,
// which keeps to the clock like a sound card (fakesink would end a recording
// before a test sees it play).
#define OVELIA_WINDOW_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        int status = 0;                                                                            \
        if (RanInOwnFolder(argc, argv, &status))                                                   \
            return status;                                                                         \
        qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "appsink");                                      \
        QApplication application(argc, argv);                                                      \
        RegisterResources();                                                                       \
        const DialogWatch watch;                                                                   \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
