#pragma once

#include <QFrame>

class EditableComboBox;
class QLabel;
class RadioGroup;
class TFnpNumericEdit;
class TNumEdit;
struct RegionalSettings;

// The upper panel of the main window: every input of a calculation with its
// label, hint (status tip) and tab order, in its design state. It only holds
// the controls; the window connects their events.
class InputPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 621;
    static constexpr int kHeight = 131;
    // Years are typed with at most four digits.
    static constexpr int kYearDigits = 4;
    static constexpr int kMaxYear = 9999;

    InputPanel(const RegionalSettings& regional, QWidget* parent = nullptr);

    // The inputs, for the window to read and connect; each control's
    // objectName is the name the window and outside tools know it by.
    TNumEdit* balance() const { return m_balance; }
    TNumEdit* savings() const { return m_savings; }
    EditableComboBox* firstMonth() const { return m_firstMonth; }
    TFnpNumericEdit* firstYear() const { return m_firstYear; }
    EditableComboBox* lastMonth() const { return m_lastMonth; }
    TFnpNumericEdit* lastYear() const { return m_lastYear; }
    TFnpNumericEdit* term() const { return m_term; }
    EditableComboBox* frequency() const { return m_frequency; }
    TFnpNumericEdit* interest() const { return m_interest; }
    TFnpNumericEdit* increase() const { return m_increase; } // never shown, never read
    RadioGroup* savingsStep() const { return m_savingsStep; }
    RadioGroup* interestStep() const { return m_interestStep; }

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
};
