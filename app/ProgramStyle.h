#pragma once

#include <QProxyStyle>

// The application style with a fixed pause before a pop-up tip appears.
class HintPauseStyle : public QProxyStyle {
    Q_OBJECT
public:
    HintPauseStyle(QStyle* base, int pauseMs);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

    // Wraps the application's current style once; later calls only change the pause.
    static void install(int pauseMs);

private:
    int m_pauseMs;
};
