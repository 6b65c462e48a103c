#include "platform/Application.h"
#include "platform/QtDialogService.h"
#include "tests/support/ScriptedDialogService.h"
#include "tests/support/TestMain.h"

#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <stdexcept>

namespace {

// A widget whose key handler fails, as an event handler of the program may.
class ThrowingWidget : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("key handler failed"); }
};

struct Seen {
    QObject* sender = nullptr;
    QString message;
    int count = 0;
};

Application::ExceptionHandler recorder(Seen& seen) {
    return [&seen](QObject* sender, std::exception_ptr error) {
        ++seen.count;
        seen.sender = sender;
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            seen.message = QString::fromLatin1(e.what());
        } catch (...) {
            seen.message = QStringLiteral("<other>");
        }
    };
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eventHandlerErrorReachesHandler();
    void queuedCallErrorReachesHandlerAndLoopGoesOn();
    void swappingHandlersReturnsThePreviousOne();
    void handlerThatThrowsIsContained();
    void silentAbortIsDropped();
    void withoutHandlerShowsTheErrorText();
    void beepGoesToTheInstalledHandler();
    void visibleTextBreaks_data();
    void visibleTextBreaks();

private:
    Application& app() { return *Application::instance(); }
    ScriptedDialogService* m_dialogs = nullptr;
};

void TestApplication::init() {
    m_dialogs = &ScriptedDialogService::install(app());
}

void TestApplication::cleanup() {
    app().setExceptionHandler({});
    app().setBeepHandler({});
}

void TestApplication::eventHandlerErrorReachesHandler() {
    Seen seen;
    app().setExceptionHandler(recorder(seen));
    ThrowingWidget widget;
    widget.show();
    QTest::keyClick(&widget, Qt::Key_A);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.sender, &widget);
    QCOMPARE(seen.message, QStringLiteral("key handler failed"));
    QVERIFY(m_dialogs->calls().isEmpty());
}

void TestApplication::queuedCallErrorReachesHandlerAndLoopGoesOn() {
    Seen seen;
    app().setExceptionHandler(recorder(seen));
    QObject context;
    bool laterRan = false;
    QMetaObject::invokeMethod(
        &context, [] { throw std::logic_error("queued failed"); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &context, [&] { laterRan = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(laterRan);
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.sender, &context);
    QCOMPARE(seen.message, QStringLiteral("queued failed"));
}

void TestApplication::swappingHandlersReturnsThePreviousOne() {
    Seen first, second;
    QVERIFY(!app().setExceptionHandler(recorder(first)));
    auto previous = app().setExceptionHandler(recorder(second));
    QVERIFY(previous);

    app().handleException(this, std::make_exception_ptr(std::runtime_error("one")));
    QCOMPARE(second.count, 1);
    QCOMPARE(first.count, 0);

    // Putting the saved handler back restores the first one.
    app().setExceptionHandler(std::move(previous));
    app().handleException(this, std::make_exception_ptr(std::runtime_error("two")));
    QCOMPARE(first.count, 1);
    QCOMPARE(first.message, QStringLiteral("two"));
    QCOMPARE(second.count, 1);
}

void TestApplication::handlerThatThrowsIsContained() {
    int calls = 0;
    app().setExceptionHandler([&](QObject*, std::exception_ptr) {
        ++calls;
        throw std::runtime_error("handler failed too");
    });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("handler failed too"));
    ThrowingWidget widget;
    widget.show();
    QTest::keyClick(&widget, Qt::Key_A);
    QCOMPARE(calls, 1);

    // A handler that fails again from a nested event still ends.
    int nested = 0;
    app().setExceptionHandler([&](QObject*, std::exception_ptr error) {
        ++nested;
        app().handleException(nullptr, error);
    });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nested too deeply"));
    app().handleException(nullptr, std::make_exception_ptr(std::runtime_error("again")));
    QVERIFY(nested > 1);
    QVERIFY(nested < 100);
}

void TestApplication::silentAbortIsDropped() {
    Seen seen;
    app().setExceptionHandler(recorder(seen));
    app().handleException(this, std::make_exception_ptr(SilentAbort{}));
    app().handleException(this, std::exception_ptr());
    QCOMPARE(seen.count, 0);
    app().setExceptionHandler({});
    app().handleException(this, std::make_exception_ptr(SilentAbort{}));
    QVERIFY(m_dialogs->calls().isEmpty());
}

void TestApplication::withoutHandlerShowsTheErrorText() {
    app().setApplicationDisplayName(QStringLiteral("Tallowmere"));
    app().handleException(this, std::make_exception_ptr(std::runtime_error("Disk full")));
    app().handleException(this, std::make_exception_ptr(42));
    QCOMPARE(m_dialogs->count(), 2);
    const auto& first = m_dialogs->calls().at(0);
    QCOMPARE(first.kind, ScriptedDialogService::Kind::MessageBox);
    QCOMPARE(first.caption, QStringLiteral("Tallowmere"));
    QCOMPARE(first.text, QStringLiteral("Disk full"));
    QCOMPARE(first.icon, DialogService::Icon::Warning);
    QCOMPARE(m_dialogs->calls().at(1).text, QStringLiteral("An unidentified error has occurred."));
}

void TestApplication::beepGoesToTheInstalledHandler() {
    int beeps = 0;
    app().setBeepHandler([&] { ++beeps; });
    app().beepNow();
    app().beepNow();
    QCOMPARE(beeps, 2);
}

void TestApplication::visibleTextBreaks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lf") << "a\nb"
                        << "a\nb";
    QTest::newRow("crlf") << "a\r\nb"
                          << "a\nb";
    QTest::newRow("lfcr") << "a\n\rb"
                          << "a\nb";
    QTest::newRow("lone cr") << "a\rb\r"
                             << "a\nb\n";
    QTest::newRow("two lfcr") << "a\n\r\n\rb"
                              << "a\n\nb";
    QTest::newRow("two crlf") << "a\r\n\r\nb"
                              << "a\n\nb";
    QTest::newRow("cr cr") << "a\r\rb"
                           << "a\n\nb";
    QTest::newRow("lf lf") << "a\n\nb"
                           << "a\n\nb";
    QTest::newRow("arithmetic message")
        << "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
           "Please try again with reasonable values."
        << "Valid results cannot be calculated using\nthe variables you have entered.\n\n"
           "Please try again with reasonable values.";
    QTest::newRow("no breaks") << "plain <b>text</b>"
                               << "plain <b>text</b>";
}

void TestApplication::visibleTextBreaks() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(QtDialogService::visibleText(text), shown);
}

TLMR_TEST_MAIN(TestApplication)
#include "test_application.moc"
