// The amount and fixed-decimals fields, as the user leaves them after pasting
// any text. Input: one byte choosing the regional settings and the field, then
// the text. The amount field's value shows the same after a second pass
// through its editing text; the fixed field always ends holding a number in
// its pattern, and leaving it again changes nothing.

#include "FuzzCheck.h"
#include "calc/NumberFormat.h"
#include "widgets/TFnpNumericEdit.h"
#include "widgets/TNumEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <cmath>

namespace {

// Focus changes delivered straight to the field, without a window system.
template <typename Edit>
struct Driven : Edit {
    using Edit::Edit;
    void enterField() {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        this->focusInEvent(&in);
    }
    void leaveField() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        this->focusOutEvent(&out);
    }
    // What pasting `text` over the whole field leaves.
    void paste(const QString& text) {
        this->setText(text);
        this->setModified(true);
    }
};

// Never destroyed: tearing the application down from exit handlers crashes.
QApplication* app = nullptr;

RegionalSettings regionalFor(std::uint8_t choice) {
    RegionalSettings r = RegionalSettings::unitedStates();
    if (choice & 1) {
        r.currencySymbol = QStringLiteral("kr.");
        r.thousandsSeparator = u'.';
        r.decimalSeparator = u',';
        r.positiveCurrencyFormat = 3;
        r.negativeCurrencyFormat = 8;
    }
    return r;
}

// One field of each kind for the whole run (building widgets would take most
// of the time); each input starts from the same state.
Driven<TNumEdit>* amountEdit = nullptr;
Driven<TFnpNumericEdit>* fixedEdit = nullptr;

void checkAmount(const QString& text, const RegionalSettings& r) {
    Driven<TNumEdit>& edit = *amountEdit;
    edit.setRegionalSettings(r);
    edit.setValue(12.5);
    edit.enterField();
    edit.paste(text);
    edit.leaveField();
    const long double value = edit.value();
    FUZZ_CHECK(std::isfinite(value));
    const QString shown = edit.text();
    FUZZ_CHECK(shown == formatAmountDisplay(value, r));
    // Leaving without a change keeps the exact value; retyping the editing
    // text keeps what is shown.
    edit.enterField();
    const QString editing = edit.text();
    edit.leaveField();
    FUZZ_CHECK(edit.value() == value);
    edit.enterField();
    edit.paste(editing);
    edit.leaveField();
    FUZZ_CHECK(edit.text() == shown);
}

void checkFixed(const QString& text, int decimals, const RegionalSettings& r) {
    Driven<TFnpNumericEdit>& edit = *fixedEdit;
    edit.setDecimals(decimals);
    edit.setRegionalSettings(r);
    edit.setValue(12.5);
    edit.enterField();
    edit.paste(text);
    edit.leaveField();
    FUZZ_CHECK(edit.hasNumber());
    const QString left = edit.text();
    FUZZ_CHECK(left == formatFixed(edit.value(), decimals, r));
    edit.enterField();
    edit.leaveField();
    FUZZ_CHECK(edit.text() == left);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    amountEdit = new Driven<TNumEdit>;
    fixedEdit = new Driven<TFnpNumericEdit>;
    // The fields' texts, values and focus handling stay as they are; only
    // Qt's laying out of the shown glyphs (most of the time per input, and
    // none of the program's code) is left out.
    amountEdit->setEchoMode(QLineEdit::NoEcho);
    fixedEdit->setEchoMode(QLineEdit::NoEcho);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const RegionalSettings r = regionalFor(data[0]);
    const QString text = QString::fromUtf8(Fuzz::bytes(data + 1, size - 1));
    checkAmount(text, r);
    checkFixed(text, (data[0] >> 1) % 4, r);
    return 0;
}
