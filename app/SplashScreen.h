#pragma once

#include <QWidget>

class QTimer;

// The start-up window: the title picture and the copyright line in a bevelled
// frame, borderless and on top of every window, centred on the screen. It takes
// neither clicks nor focus, so the main window beneath is usable at once. Its
// timer, once started, closes it after five seconds; closing frees it.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    // Starts the timer, shows the window and paints it at once.
    void showUntilTimerEnds();

    // Paints the shown window at once, waiting (at most a second) for the
    // window system to expose it first.
    void paintNow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Timer tick: stops the timer and closes the window.
    void Timer1Timer();

    QTimer* Timer1;
};
