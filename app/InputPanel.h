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

    TNumEdit* edtBalance;
    TNumEdit* edtSavings;
    EditableComboBox* cbFirstMonth;
    TFnpNumericEdit* edtFirstYear;
    EditableComboBox* cbLastMonth;
    TFnpNumericEdit* edtLastYear;
    TFnpNumericEdit* edtTerm;
    EditableComboBox* cbFrequency;
    TFnpNumericEdit* edtInterest;
    TFnpNumericEdit* edtIncrease; // never shown, never read
    RadioGroup* rgSavings;
    RadioGroup* rgInterest;

private:
    QLabel* addLabel(const char* name, const QString& text, int x, int y);
};
