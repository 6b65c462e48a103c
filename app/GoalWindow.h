#pragma once

#include "calc/GoalSolver.h"
#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class TNumEdit;

// "Goal - Tallowmere": a target future value and, for the main window's
// current inputs, the monthly savings, initial balance, last month and
// interest rate that reach it, each with a button that hands the value back
// (applyRequested). The answers follow setInputs; a target of zero (an emptied
// field) is no target. Not modal; Escape closes it and the target stays.
class GoalWindow : public QDialog {
    Q_OBJECT
public:
    GoalWindow(const RegionalSettings& regional, QWidget* parent = nullptr);

    // The inputs the answers are solved for.
    void setInputs(const ScheduleInputs& inputs);
    // The target, or nullopt when none is set.
    std::optional<double> target() const;
    const GoalAnswer& answer(GoalUnknown unknown) const;

signals:
    // The target was set, changed or cleared.
    void targetChanged();
    // An Apply button was pressed for a solved answer.
    void applyRequested(const GoalAnswer& answer);

private:
    struct Row {
        QLabel* caption = nullptr;
        QLabel* answer = nullptr;
        QPushButton* apply = nullptr;
        GoalAnswer solved;
    };

    void solve();
    void targetLeft();
    // Names an answer for assistive technology by its caption and its text,
    // which may be empty.
    static void nameAnswer(Row& row);

    RegionalSettings m_regional;
    ScheduleInputs m_inputs;
    std::optional<double> m_target;
    TNumEdit* edtTarget;
    QLabel* lblPrompt;
    std::array<Row, 4> m_rows;
};
