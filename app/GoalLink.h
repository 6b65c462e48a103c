#pragma once

#include "calc/GoalMarks.h"
#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QObject>
#include <QPointer>
#include <functional>

class GoalWindow;
class InputPanel;
class TStringAlignGrid;
struct GoalAnswer;

// Joins the main window to its Goal window: the window is created when first
// shown; every computed schedule reaches its answers; while a target is set the
// grid tints the value cells that reach it and their tooltips say so; an
// applied answer is written into the input panel and the schedule recalculated,
// as typing it would.
class GoalLink : public QObject {
    Q_OBJECT
public:
    GoalLink(const RegionalSettings& regional, InputPanel* inputs, TStringAlignGrid* grid,
             std::function<void()> recalculate, QWidget* window);

    // Shows the Goal window (created on first use) and brings it forward.
    void showWindow();

    // After every successful calculation.
    void scheduleChanged(const ScheduleSnapshot& snapshot);
    // Appends the goal's line to the tooltip of a marked value cell.
    void extendHint(int column, int row, QString& hintText) const;

    // The tint of a marked cell, on the yellow cross and elsewhere.
    static QColor markOnCross();
    static QColor mark();

private:
    void placeBesideMainWindow();
    void applyMarks();
    void apply(const GoalAnswer& answer);

    RegionalSettings m_regional;
    InputPanel* m_inputs;
    TStringAlignGrid* m_grid;
    std::function<void()> m_recalculate;
    QWidget* m_mainWindow;
    QPointer<GoalWindow> m_window;
    ScheduleSnapshot m_snapshot;
    GoalMarks m_marks;
};
