#pragma once

#include "app/SavedInputs.h"
#include "calc/GoalSolver.h"
#include "calc/Schedule.h"

#include <QFrame>

class EditableComboBox;
class QLabel;
class RadioGroup;
class TFnpNumericEdit;
class TNumEdit;
struct RegionalSettings;

// The upper panel of the main window: every input of a calculation with its
// label, hint (status tip) and tab order, in its design state. The window
// reads and sets the inputs through it and recalculates on changed(); each
// control's objectName is the name outside tools know it by.
class InputPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 621;
    static constexpr int kHeight = 131;
    // Years are typed with at most four digits.
    static constexpr int kYearDigits = 4;
    static constexpr int kMaxYear = 9999;

    enum class Amount { Balance, Savings };

    InputPanel(const RegionalSettings& regional, QWidget* parent = nullptr);

    // The calculation's inputs. Throws ConversionError when the rate or a
    // year field holds no number.
    ScheduleInputs scheduleInputs() const;
    // What a save stores: the amounts as stored, the other fields as shown.
    SavedInputs::Fields savedFields() const;

    // Shows loaded values; a year the field could not hold shows the
    // first-run year instead.
    void apply(const SavedInputs::Values& values);
    void showTerm(std::int32_t term);
    // Puts a solved goal's value into its field, as set by the program (no
    // change event of its own).
    void applyGoal(const GoalAnswer& answer);
    // Amounts, term and rate to zero, compounding monthly.
    void zeroAmounts();
    // The step groups back to their design choices.
    void resetSteps();
    // Moves the focus into an amount field; `select` selects its text, ready
    // to be typed over.
    void focusAmount(Amount amount, Qt::FocusReason reason, bool select);

    // The panel and its step groups, where the window's pop-up menu opens
    // (the fields keep their own edit menus).
    QList<QObject*> popupSources();

signals:
    // An input event that recalculates the schedule: a field left, or a
    // month, frequency or step picked.
    void changed();

private slots:
    void cbFirstMonthChange(QObject* sender);
    void cbLastMonthChange(QObject* sender);

private:
    TNumEdit* m_balance;
    TNumEdit* m_savings;
    EditableComboBox* m_firstMonth;
    TFnpNumericEdit* m_firstYear;
    EditableComboBox* m_lastMonth;
    TFnpNumericEdit* m_lastYear;
    TFnpNumericEdit* m_term;
    EditableComboBox* m_frequency;
    TFnpNumericEdit* m_interest;
    TFnpNumericEdit* m_increase;
    RadioGroup* m_savingsStep;
    RadioGroup* m_interestStep;

    QLabel* addLabel(const char* name, const QString& text, int x, int y);
    void connectInputs();
    void validateMonth(EditableComboBox* combo);
};
