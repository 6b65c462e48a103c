#include "app/InputPanel.h"

#include "app/InputReading.h"
#include "app/WindowLook.h"
#include "calc/FutureValue.h"
#include "calc/InputDefaults.h"
#include "calc/Steps.h"
#include "calc/Term.h"
#include "widgets/EditableComboBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/TFnpNumericEdit.h"
#include "widgets/TNumEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

// Three rows of label and field, three columns wide, then the two step groups.
constexpr int kColumnX[3] = {8, 100, 192};
constexpr int kLabelY[3] = {6, 47, 88};
constexpr int kFieldY[3] = {20, 61, 102};
constexpr int kFieldWidth = 86;
constexpr int kFieldHeight = 21;
constexpr int kMonthWidth = 48;
constexpr int kYearWidth = 36;
constexpr int kGroupTop = 3;
constexpr int kGroupWidth = 167;
constexpr int kGroupHeight = 125;
constexpr int kGroupGap = 4;

const QString kDefaultMonth = QLatin1String(InputDefaults::kFirstMonth);
const QString kDefaultFrequency = QLatin1String(InputDefaults::kFrequency);

template <typename Field>
Field* named(Field* field, const char* name, const QString& hint) {
    field->setObjectName(QLatin1String(name));
    field->setStatusTip(hint);
    return field;
}

EditableComboBox* makeCombo(QWidget* parent, const char* name, const QString& hint,
                            const QStringList& items, const QString& text) {
    auto* combo = named(new EditableComboBox(parent), name, hint);
    combo->addItems(items);
    combo->setMaxVisibleItems(9);
    combo->setEditText(text);
    return combo;
}

// Text set by the program is no user change: no change event.
void setComboText(EditableComboBox* combo, const QString& text) {
    const QSignalBlocker blocker(combo);
    combo->setEditText(text);
}

QStringList stepLabels(const std::array<Step, kStepCount>& steps) {
    QStringList labels;
    for (const Step& step : steps)
        labels << QLatin1String(step.label);
    return labels;
}

} // namespace

InputPanel::InputPanel(const RegionalSettings& regional, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("pnlInput"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    resize(kWidth, kHeight);

    // Row 1: balance, savings, term.
    QLabel* balanceLabel = addLabel("lblBalance", tr("Initial Balance"), kColumnX[0], kLabelY[0]);
    m_balance = named(new TNumEdit(this), "edtBalance",
                      tr(" Enter the starting balance of your investment"));
    m_balance->setGeometry(kColumnX[0], kFieldY[0], kFieldWidth, kFieldHeight);

    QLabel* savingsLabel = addLabel("lblSavings", tr("Monthly Savings"), kColumnX[1], kLabelY[0]);
    m_savings = named(new TNumEdit(this), "edtSavings", tr(" Enter the amount saved each month"));
    m_savings->setGeometry(kColumnX[1], kFieldY[0], kFieldWidth, kFieldHeight);

    QLabel* termLabel = addLabel("lblTerm", tr("Term in Months"), kColumnX[2], kLabelY[0]);
    m_term = named(new TFnpNumericEdit(0, this), "edtTerm", tr("Displays term in months"));
    m_term->setGeometry(kColumnX[2], kFieldY[0], 56, kFieldHeight);
    m_term->setReadOnly(true);
    m_term->setFocusPolicy(Qt::ClickFocus);
    QPalette termPalette = m_term->palette();
    termPalette.setColor(QPalette::Base, QColor(WindowLook::kHighlight));
    termPalette.setColor(QPalette::Text, Qt::black);
    m_term->setPalette(termPalette);

    // Row 2: the first and the last month, each a month name and a year.
    const QStringList months = monthNames();
    QLabel* firstMonthLabel = addLabel("lblFirstMonth", tr("First Month"), kColumnX[0], kLabelY[1]);
    m_firstMonth =
        makeCombo(this, "cbFirstMonth", tr("Choose the beginning month"), months, kDefaultMonth);
    m_firstMonth->setGeometry(kColumnX[0], kFieldY[1], kMonthWidth, kFieldHeight);
    m_firstYear = named(new TFnpNumericEdit(0, this), "edtFirstYear", tr("Enter the initial year"));
    m_firstYear->setGeometry(kColumnX[0] + kFieldWidth - kYearWidth, kFieldY[1], kYearWidth,
                             kFieldHeight);

    QLabel* lastMonthLabel = addLabel("lblLastMonth", tr("Last Month"), kColumnX[1], kLabelY[1]);
    m_lastMonth =
        makeCombo(this, "cbLastMonth", tr("Choose the last month"), months, kDefaultMonth);
    m_lastMonth->setGeometry(kColumnX[1], kFieldY[1], kMonthWidth, kFieldHeight);
    m_lastYear = named(new TFnpNumericEdit(0, this), "edtLastYear", tr("Enter the final year"));
    m_lastYear->setGeometry(kColumnX[1] + kFieldWidth - kYearWidth, kFieldY[1], kYearWidth,
                            kFieldHeight);

    // A field kept from an earlier design; it is never shown and nothing reads it.
    QLabel* increaseLabel =
        addLabel("lblIncrease", tr("% Annual Increase"), kColumnX[2], kLabelY[1]);
    increaseLabel->hide();
    m_increase = named(new TFnpNumericEdit(3, this), "edtIncrease", QString());
    m_increase->setGeometry(kColumnX[2], kFieldY[1], 60, kFieldHeight);
    m_increase->hide();

    // Row 3: frequency and rate.
    QLabel* frequencyLabel = addLabel("lblFrequency", tr("Compounded"), kColumnX[0], kLabelY[2]);
    m_frequency = makeCombo(this, "cbFrequency", tr("Choose the compounding frequency"),
                            offeredFrequencyNames(), kDefaultFrequency);
    m_frequency->setGeometry(kColumnX[0], kFieldY[2], kFieldWidth, kFieldHeight);

    QLabel* interestLabel = addLabel("lblInterest", tr("Interest Rate"), kColumnX[1], kLabelY[2]);
    m_interest = named(new TFnpNumericEdit(3, this), "edtInterest", tr(" Enter the interest rate"));
    m_interest->setGeometry(kColumnX[1], kFieldY[2], kFieldWidth, kFieldHeight);

    m_savingsStep =
        new RadioGroup(tr("Increment Monthly Savings By:"), stepLabels(savingsSteps()), 3, this);
    m_savingsStep->setObjectName(QStringLiteral("rgSavings"));
    const int interestX = kWidth - kGroupGap - kGroupWidth;
    m_savingsStep->setGeometry(interestX - kGroupGap - kGroupWidth, kGroupTop, kGroupWidth,
                               kGroupHeight);

    m_interestStep =
        new RadioGroup(tr("Increment Interest Rates By:"), stepLabels(rateSteps()), 3, this);
    m_interestStep->setObjectName(QStringLiteral("rgInterest"));
    m_interestStep->setGeometry(interestX, kGroupTop, kGroupWidth, kGroupHeight);
    // Three narrow columns of items: tighter than the style's default spacing.
    for (RadioGroup* group : {m_savingsStep, m_interestStep}) {
        if (auto* grid = qobject_cast<QGridLayout*>(group->layout())) {
            grid->setContentsMargins(6, 4, 2, 4);
            grid->setHorizontalSpacing(6);
        }
    }
    resetSteps();

    // Each label names its field for assistive technology; the years share
    // their month's label and get names of their own.
    balanceLabel->setBuddy(m_balance);
    savingsLabel->setBuddy(m_savings);
    termLabel->setBuddy(m_term);
    firstMonthLabel->setBuddy(m_firstMonth);
    lastMonthLabel->setBuddy(m_lastMonth);
    increaseLabel->setBuddy(m_increase);
    frequencyLabel->setBuddy(m_frequency);
    interestLabel->setBuddy(m_interest);
    m_firstYear->setAccessibleName(tr("First Year"));
    m_lastYear->setAccessibleName(tr("Last Year"));

    for (TNumEdit* edit : {m_balance, m_savings})
        edit->setRegionalSettings(regional);
    for (TFnpNumericEdit* edit : {m_firstYear, m_lastYear, m_term, m_interest, m_increase})
        edit->setRegionalSettings(regional);
    m_balance->setValue(0);
    m_savings->setValue(0);
    m_firstYear->setValue(2000);
    m_lastYear->setValue(2030);
    m_term->setValue(0);
    m_interest->setValue(0);
    m_increase->setValue(0);
    for (TFnpNumericEdit* year : {m_firstYear, m_lastYear})
        year->setMaxLength(kYearDigits);

    setTabOrder(m_balance, m_savings);
    setTabOrder(m_savings, m_firstMonth);
    setTabOrder(m_firstMonth, m_firstYear);
    setTabOrder(m_firstYear, m_lastMonth);
    setTabOrder(m_lastMonth, m_lastYear);
    setTabOrder(m_lastYear, m_term);
    setTabOrder(m_term, m_frequency);
    setTabOrder(m_frequency, m_interest);
    // The step groups follow in creation order.
    connectInputs();
}

void InputPanel::connectInputs() {
    for (TNumEdit* edit : {m_balance, m_savings})
        connect(edit, &TNumEdit::exited, this, &InputPanel::changed);
    for (TFnpNumericEdit* edit : {m_firstYear, m_lastYear, m_term, m_interest})
        connect(edit, &TFnpNumericEdit::exited, this, &InputPanel::changed);
    connect(m_firstMonth, &EditableComboBox::changed, this,
            [this] { cbFirstMonthChange(m_firstMonth); });
    connect(m_lastMonth, &EditableComboBox::changed, this,
            [this] { cbLastMonthChange(m_lastMonth); });
    connect(m_frequency, &EditableComboBox::changed, this, &InputPanel::changed);
    for (EditableComboBox* combo : {m_firstMonth, m_lastMonth, m_frequency})
        connect(combo, &EditableComboBox::exited, this, &InputPanel::changed);
    for (RadioGroup* group : {m_savingsStep, m_interestStep})
        connect(group, &RadioGroup::clicked, this, &InputPanel::changed);
}

void InputPanel::cbFirstMonthChange(QObject* sender) {
    if (sender != m_firstMonth)
        return;
    validateMonth(m_firstMonth);
    emit changed();
}

void InputPanel::cbLastMonthChange(QObject* sender) {
    if (sender != m_lastMonth)
        return;
    validateMonth(m_lastMonth);
    emit changed();
}

void InputPanel::validateMonth(EditableComboBox* combo) {
    if (monthNumber(combo->currentText()) == 0)
        setComboText(combo, kDefaultMonth);
}

ScheduleInputs InputPanel::scheduleInputs() const {
    const RegionalSettings& regional = m_interest->regionalSettings();
    ScheduleInputs inputs;
    inputs.balance = static_cast<double>(m_balance->value());
    inputs.savings = static_cast<double>(m_savings->value());
    inputs.rate = requireNumber(m_interest->text(), regional);
    inputs.firstYear = truncateToInt32(requireNumber(m_firstYear->text(), regional));
    inputs.firstMonth = m_firstMonth->currentText();
    inputs.lastYear = truncateToInt32(requireNumber(m_lastYear->text(), regional));
    inputs.lastMonth = m_lastMonth->currentText();
    inputs.frequency = m_frequency->currentText();
    inputs.savingsStepIndex = m_savingsStep->itemIndex();
    inputs.rateStepIndex = m_interestStep->itemIndex();
    return inputs;
}

SavedInputs::Fields InputPanel::savedFields() const {
    SavedInputs::Fields fields;
    fields.savings = static_cast<double>(m_savings->value());
    fields.balance = static_cast<double>(m_balance->value());
    fields.termText = m_term->text();
    fields.interestText = m_interest->text();
    fields.frequency = m_frequency->currentText();
    fields.firstMonth = m_firstMonth->currentText();
    fields.firstYearText = m_firstYear->text();
    fields.lastMonth = m_lastMonth->currentText();
    fields.lastYearText = m_lastYear->text();
    return fields;
}

void InputPanel::applyGoal(const GoalAnswer& answer) {
    switch (answer.unknown) {
    case GoalUnknown::Savings:
        m_savings->setValue(answer.value);
        break;
    case GoalUnknown::Balance:
        m_balance->setValue(answer.value);
        break;
    case GoalUnknown::Term: {
        const QSignalBlocker blocker(m_lastMonth);
        m_lastMonth->setEditText(answer.lastMonth);
        m_lastYear->setValue(answer.lastYear);
        break;
    }
    case GoalUnknown::Rate:
        m_interest->setValue(answer.value);
        break;
    }
}

void InputPanel::apply(const SavedInputs::Values& values) {
    const auto year = [](int saved, int fallback) {
        return saved >= 0 && saved <= kMaxYear ? saved : fallback;
    };
    setComboText(m_frequency, values.frequency);
    setComboText(m_firstMonth, values.firstMonth);
    setComboText(m_lastMonth, values.lastMonth);
    m_savings->setValue(values.savings);
    m_balance->setValue(values.balance);
    m_term->setValue(values.term);
    m_interest->setValue(values.interest);
    m_firstYear->setValue(year(values.firstYear, InputDefaults::kFirstYear));
    m_lastYear->setValue(year(values.lastYear, InputDefaults::kLastYear));
}

void InputPanel::showTerm(std::int32_t term) {
    m_term->setValue(term);
}

void InputPanel::zeroAmounts() {
    m_savings->setValue(0);
    m_balance->setValue(0);
    m_term->setValue(0);
    m_interest->setValue(0);
    setComboText(m_frequency, kDefaultFrequency);
}

void InputPanel::resetSteps() {
    const ScheduleInputs defaults;
    m_savingsStep->setItemIndex(defaults.savingsStepIndex);
    m_interestStep->setItemIndex(defaults.rateStepIndex);
}

void InputPanel::focusAmount(Amount amount, Qt::FocusReason reason, bool select) {
    TNumEdit* field = amount == Amount::Balance ? m_balance : m_savings;
    field->setFocus(reason);
    if (select)
        field->selectAll();
}

QList<QObject*> InputPanel::popupSources() {
    return {this, m_savingsStep, m_interestStep};
}

QLabel* InputPanel::addLabel(const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}
