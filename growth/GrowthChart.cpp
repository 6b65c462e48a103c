#include "growth/GrowthChart.h"

#include "calc/GrowthTexts.h"
#include "calc/NumberFormat.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QStackedBarSeries>
#include <cmath>

namespace {

const QColor kPaidInColor(70, 120, 180);
const QColor kEarnedColor(90, 165, 90);

QBarSet* barSet(const QString& name, const QColor& color, QObject* parent) {
    auto* set = new QBarSet(name, parent);
    set->setColor(color);
    set->setBorderColor(color.darker(120));
    return set;
}

// Dates under at most about eleven bars, a round number of rows apart, the last
// row always labelled when it fits.
QCategoryAxis* dateAxis(const Growth& growth) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qsizetype count = growth.rows.size();
    qsizetype every = 1;
    for (const qsizetype step : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000}) {
        every = step;
        if (count <= 11 * step)
            break;
    }
    axis->setStartValue(-0.5);
    for (qsizetype i = every - 1; i < count - 1; i += every) {
        if (count - 1 - i >= (every + 1) / 2) // leaves room for the last row's date
            axis->append(growthDate(growth.rows[i]), double(i));
    }
    axis->append(growthDate(growth.rows.constLast()), double(count - 1));
    axis->setRange(-0.5, double(count) - 0.5);
    axis->setGridLineVisible(false);
    return axis;
}

QCategoryAxis* amountAxis(const Growth& growth, const RegionalSettings& regional) {
    double low = 0;
    double high = 0;
    // Bars stack their positive parts upwards and their negative parts downwards.
    for (const GrowthRow& row : growth.rows) {
        high = std::max(high, std::max(row.paidIn, 0.0) + std::max(row.earned, 0.0));
        low = std::min(low, std::min(row.paidIn, 0.0) + std::min(row.earned, 0.0));
    }
    const QList<double> ticks = niceTicks(low, high);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Labels stand at the ends of categories, so the lowest tick ends a sliver
    // of a category below the axis's range to get a label of its own.
    axis->setStartValue(ticks.constFirst() - (ticks[1] - ticks[0]) / 1000);
    for (const double tick : ticks)
        axis->append(formatCurrency(tick, 10, 0, regional), tick);
    axis->setRange(ticks.constFirst(), ticks.constLast());
    return axis;
}

// Labels in the window's font; texts, axis lines and grid lines in the theme's
// colours.
void styleAxis(QAbstractAxis* axis, const QFont& font, const QPalette& palette) {
    axis->setLabelsFont(font);
    axis->setLabelsColor(palette.color(QPalette::WindowText));
    axis->setLinePenColor(palette.color(QPalette::WindowText));
    axis->setGridLineColor(palette.color(QPalette::Mid));
}

} // namespace

QList<double> niceTicks(double low, double high, int maxSteps) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (high == low)
        high = low + 1;
    const double rough = (high - low) / maxSteps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    // The labels show whole units, so no two ticks may be less than one apart.
    step = std::max(step, 1.0);
    const double first = std::floor(low / step) * step;
    QList<double> ticks;
    for (int k = 0; ticks.isEmpty() || ticks.last() < high; ++k) {
        const double tick = first + k * step;
        ticks.append(std::abs(tick) < step / 2 ? 0.0 : tick);
    }
    return ticks;
}

QChart* buildGrowthChart(const Growth& growth, const RegionalSettings& regional, const QFont& font,
                         const QPalette& palette) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(palette.brush(QPalette::Window));
    chart->setBackgroundPen(Qt::NoPen);
    chart->setTitleBrush(palette.brush(QPalette::WindowText));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(font);
    chart->legend()->setLabelColor(palette.color(QPalette::WindowText));
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);

    auto* series = new QStackedBarSeries(chart);
    QBarSet* paidIn =
        barSet(QCoreApplication::translate("GrowthChart", "Paid In"), kPaidInColor, series);
    QBarSet* earned =
        barSet(QCoreApplication::translate("GrowthChart", "Earned"), kEarnedColor, series);
    for (const GrowthRow& row : growth.rows) {
        paidIn->append(row.paidIn);
        earned->append(row.earned);
    }
    series->append(paidIn);
    series->append(earned);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    if (growth.rows.isEmpty())
        return chart;
    QCategoryAxis* x = dateAxis(growth);
    QCategoryAxis* y = amountAxis(growth, regional);
    styleAxis(x, font, palette);
    styleAxis(y, font, palette);
    // The last date stands under the last bar, near the right edge: room for
    // its half that reaches beyond the plot.
    const QString lastDate = growthDate(growth.rows.constLast());
    chart->setMargins(QMargins(4, 4, 4 + QFontMetrics(font).horizontalAdvance(lastDate) / 2, 4));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

QStackedBarSeries* growthSeries(QChart* chart) {
    const auto all = chart->series();
    return all.isEmpty() ? nullptr : qobject_cast<QStackedBarSeries*>(all.constFirst());
}
