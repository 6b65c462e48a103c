#pragma once

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

// A shown, active window holding the widget under test and a plain line edit
// that takes the focus away from it, so focus in and out happen as in use.
template <typename W>
struct FocusHarness {
    QWidget window;
    W* widget;
    QLineEdit* other;

    template <typename... Args>
    explicit FocusHarness(Args&&... args)
        : widget(new W(std::forward<Args>(args)...))
        , other(new QLineEdit) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(widget);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
    }

    bool ready() { return QTest::qWaitForWindowActive(&window); }

    void enter() { widget->setFocus(Qt::TabFocusReason); }
    void leave() { other->setFocus(Qt::TabFocusReason); }
};
