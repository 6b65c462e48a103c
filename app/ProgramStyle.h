#pragma once

#include <QProxyStyle>

// The application style with a fixed pause before a pop-up tip appears, whose
// standard pictures are read only when first drawn: reading one at once, as
// every menu bar does when it is made, loads every image-format plugin
// installed into memory.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle(QStyle* base, int pauseMs);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;

    // Wraps the application's current style once; later calls only change the pause.
    static void install(int pauseMs);

private:
    int m_pauseMs;
};
