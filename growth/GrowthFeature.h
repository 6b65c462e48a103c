#pragma once

#include "calc/Growth.h"
#include "calc/RegionalSettings.h"

#include <QObject>

class QWidget;

// The growth window as the main window opens it. The window creates this, as
// its child, the first time a cell's growth is asked for.
class GrowthFeature : public QObject {
public:
    explicit GrowthFeature(QWidget* window);

    // Shows the growth of one cell modally over the window.
    void show(const Growth& growth, const RegionalSettings& regional);

private:
    QWidget* m_window;
};
