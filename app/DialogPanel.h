#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

// The white panel that the About and disclaimer dialogs draw on: a lowered
// outer and a raised inner bevel around a white face. Children are placed in
// the panel's own coordinates; the bevels are painted, not laid out.
class QKeyEvent;

class DialogPanel : public QWidget {
    Q_OBJECT
public:
    explicit DialogPanel(QWidget* parent = nullptr);

    // Title bar only: no close box, no system menu, no other buttons.
    static Qt::WindowFlags fixedDialogFlags();
    // Arial (or its metric twin) at an 11-pixel character height.
    static QFont dialogFont();
    // Moves a top-level window so it sits in the middle of its screen.
    static void centreOnScreen(QWidget* window);
    // Opens an address through the desktop; beeps and returns false when
    // nothing could open it.
    static bool openAddress(const QString& address);
    // Return or Enter without modifiers: these dialogs' only button is OK, so
    // that key closes them wherever the focus is.
    static bool isPlainEnter(const QKeyEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
};
