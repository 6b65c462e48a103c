#pragma once

#include "calc/Growth.h"
#include "calc/RegionalSettings.h"

#include <QGuiApplication>
#include <QList>
#include <QPalette>

class QChart;
class QFont;
class QStackedBarSeries;

// Evenly spaced axis values, 1, 2 or 5 times a power of ten apart, from at or
// below `low` to at or above `high`, at most about `maxSteps` steps; 0 is
// always one of them.
QList<double> niceTicks(double low, double high, int maxSteps = 6);

// The growth chart: a stacked bar of paid in and earned at every row, the
// amount axis labelled in the regional currency and the date axis with at most
// about eleven of the rows' dates, all texts in `font`. Background, texts, axes
// and grid lines take the colours of `palette` (the user's theme); the bars keep
// their own. The caller owns the chart.
QChart* buildGrowthChart(const Growth& growth, const RegionalSettings& regional, const QFont& font,
                         const QPalette& palette = QGuiApplication::palette());

// The chart's one series (paid in and earned), for its hover signal.
QStackedBarSeries* growthSeries(QChart* chart);
