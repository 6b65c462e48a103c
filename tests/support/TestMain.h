#pragma once

#include "platform/Application.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/RuntimeFolder.h"
#include "tests/support/ScriptedDialogService.h"

#include <QStandardPaths>
#include <QtTest>

// main() of a test that needs the program's own application object: per-user
// files go to the test locations, never the user's real ones.
#define TLMR_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char** argv) {                                                              \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        Application app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// main() of a GUI test: a private runtime folder (the single-instance lock of
// every test process is its own), per-user files in the test locations, the
// program's application object with the scripted dialog service, and a modal
// watchdog: a modal window nobody closes within its grace period fails the
// running test and is closed, instead of hanging the run.
#define TLMR_GUI_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv) {                                                              \
        TestSupport::RuntimeFolder runtimeFolder;                                                  \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        Application app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        ScriptedDialogService::install(app);                                                       \
        ModalWatchdog watchdog;                                                                    \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
