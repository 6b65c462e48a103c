#include "app/GoalWindow.h"

#include "app/WindowLook.h"
#include "calc/GoalTexts.h"
#include "platform/ProductInfo.h"
#include "widgets/TNumEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct RowDesign {
    GoalUnknown unknown;
    const char* caption;
    const char* answerName;
    const char* buttonName;
    const char* buttonText;
    const char* hint;
};

constexpr std::array<RowDesign, 4> kRows = {{
    {GoalUnknown::Savings, QT_TRANSLATE_NOOP("GoalWindow", "Monthly Savings:"), "lblGoalSavings",
     "btnApplySavings", QT_TRANSLATE_NOOP("GoalWindow", "Apply &Savings"),
     QT_TRANSLATE_NOOP("GoalWindow", "Put this monthly saving into the main window")},
    {GoalUnknown::Balance, QT_TRANSLATE_NOOP("GoalWindow", "Initial Balance:"), "lblGoalBalance",
     "btnApplyBalance", QT_TRANSLATE_NOOP("GoalWindow", "Apply &Balance"),
     QT_TRANSLATE_NOOP("GoalWindow", "Put this initial balance into the main window")},
    {GoalUnknown::Term, QT_TRANSLATE_NOOP("GoalWindow", "Last Month:"), "lblGoalTerm",
     "btnApplyTerm", QT_TRANSLATE_NOOP("GoalWindow", "Apply &Last Month"),
     QT_TRANSLATE_NOOP("GoalWindow", "Put this last month and year into the main window")},
    {GoalUnknown::Rate, QT_TRANSLATE_NOOP("GoalWindow", "Interest Rate:"), "lblGoalRate",
     "btnApplyRate", QT_TRANSLATE_NOOP("GoalWindow", "Apply &Rate"),
     QT_TRANSLATE_NOOP("GoalWindow", "Put this interest rate into the main window")},
}};

constexpr int kAnswerWidth = 200;

} // namespace

GoalWindow::GoalWindow(const RegionalSettings& regional, QWidget* parent)
    : QDialog(parent)
    , m_regional(regional) {
    setObjectName(QStringLiteral("frmGoal"));
    setWindowTitle(tr("Goal - %1").arg(QLatin1String(ProductInfo::kTitle)));
    setFont(WindowLook::windowFont());
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* targetLine = new QHBoxLayout;
    auto* targetLabel = new QLabel(tr("&Target Future Value:"), this);
    edtTarget = new TNumEdit(this);
    edtTarget->setObjectName(QStringLiteral("edtTarget"));
    edtTarget->setRegionalSettings(m_regional);
    edtTarget->setValue(0);
    edtTarget->setStatusTip(tr(" Enter the future value you want to reach"));
    edtTarget->setToolTip(edtTarget->statusTip().trimmed());
    targetLabel->setBuddy(edtTarget);
    targetLine->addWidget(targetLabel);
    targetLine->addWidget(edtTarget, 1);
    layout->addLayout(targetLine);

    lblPrompt = new QLabel(this);
    lblPrompt->setObjectName(QStringLiteral("lblGoalPrompt"));
    lblPrompt->setWordWrap(true);
    layout->addWidget(lblPrompt);

    auto* answers = new QGridLayout;
    answers->setColumnMinimumWidth(1, kAnswerWidth);
    answers->setColumnStretch(1, 1);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const RowDesign& design = kRows[i];
        Row& row = m_rows[i];
        row.solved.unknown = design.unknown;
        auto* caption = new QLabel(tr(design.caption), this);
        row.caption = caption;
        row.answer = new QLabel(this);
        row.answer->setObjectName(QLatin1String(design.answerName));
        row.answer->setWordWrap(true);
        row.answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row.apply = new QPushButton(tr(design.buttonText), this);
        row.apply->setObjectName(QLatin1String(design.buttonName));
        row.apply->setAutoDefault(false);
        row.apply->setStatusTip(tr(design.hint));
        row.apply->setToolTip(tr(design.hint));
        const int line = static_cast<int>(i);
        answers->addWidget(caption, line, 0, Qt::AlignLeft | Qt::AlignTop);
        answers->addWidget(row.answer, line, 1, Qt::AlignTop);
        answers->addWidget(row.apply, line, 2, Qt::AlignTop);
        connect(row.apply, &QPushButton::clicked, this, [this, i] {
            if (m_rows[i].solved.solved())
                emit applyRequested(m_rows[i].solved);
        });
    }
    layout->addLayout(answers);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("btnsGoal"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in the target confirms it; it must not close the window.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    layout->addWidget(buttons);

    connect(edtTarget, &TNumEdit::exited, this, &GoalWindow::targetLeft);
    // Enter confirms the target as leaving the field would.
    connect(edtTarget, &QLineEdit::returnPressed, this, [this] {
        edtTarget->clearFocus();
        edtTarget->setFocus(Qt::TabFocusReason);
    });
    solve();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GoalWindow::setInputs(const ScheduleInputs& inputs) {
    m_inputs = inputs;
    solve();
}

std::optional<double> GoalWindow::target() const {
    return m_target;
}

const GoalAnswer& GoalWindow::answer(GoalUnknown unknown) const {
    return m_rows[static_cast<std::size_t>(unknown)].solved;
}

void GoalWindow::targetLeft() {
    const double value = static_cast<double>(edtTarget->value());
    std::optional<double> target;
    if (value != 0)
        target = value;
    if (target == m_target)
        return;
    m_target = target;
    solve();
    emit targetChanged();
}

void GoalWindow::solve() {
    if (!m_target) {
        lblPrompt->setText(tr("Enter the future value you want to reach. The answers "
                              "use the main window's other inputs as they stand."));
    } else {
        lblPrompt->setText(tr("To reach %1 by changing only one input of the main window:")
                               .arg(goalAmountText(*m_target, m_regional)));
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        if (!m_target) {
            row.solved = GoalAnswer{};
            row.solved.unknown = kRows[i].unknown;
            row.answer->clear();
            nameAnswer(row);
            row.apply->setEnabled(false);
            continue;
        }
        row.solved = solveGoal(m_inputs, *m_target, kRows[i].unknown);
        QString text = goalAnswerText(row.solved, m_regional);
        if (row.solved.solved() && row.solved.unknown == GoalUnknown::Term)
            text += tr(" (%1 months)").arg(row.solved.value, 0, 'f', 0);
        row.answer->setText(text);
        nameAnswer(row);
        // A sentence reads as a remark, an answer as a figure.
        QFont font = row.answer->font();
        font.setBold(row.solved.solved());
        font.setItalic(!row.solved.solved());
        row.answer->setFont(font);
        row.apply->setEnabled(row.solved.solved());
    }
}

void GoalWindow::nameAnswer(Row& row) {
    row.answer->setAccessibleName((row.caption->text() + u' ' + row.answer->text()).trimmed());
}
