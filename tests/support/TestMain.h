#pragma once

#include "platform/Application.h"

#include <QStandardPaths>
#include <QtTest>

// QTEST_MAIN for tests that need the program's own application object:
// per-user files go to the test locations, never the user's real ones.
#define TLMR_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char** argv) {                                                              \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        Application app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
