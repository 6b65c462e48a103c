#include "calc/GoalTexts.h"

#include "calc/NumberFormat.h"

#include <QCoreApplication>

namespace {

// As the amount edits show their values: cents and twelve significant digits.
constexpr int kAmountDigits = 12;

} // namespace

QString goalAmountText(double amount, const RegionalSettings& regional) {
    return formatCurrency(amount, kAmountDigits, 2, regional);
}

QString goalAnswerText(const GoalAnswer& answer, const RegionalSettings& regional) {
    if (!answer.solved())
        return answer.sentence;
    switch (answer.unknown) {
    case GoalUnknown::Savings:
    case GoalUnknown::Balance:
        return goalAmountText(answer.value, regional);
    case GoalUnknown::Term:
        return QStringLiteral("%1 %2").arg(answer.lastMonth).arg(answer.lastYear);
    case GoalUnknown::Rate:
        return formatFixed(answer.value, kRateDecimals, regional) + u'%';
    }
    return {};
}

QString goalMarkLine(double target, const RegionalSettings& regional) {
    return QCoreApplication::translate("GoalTexts", "reaches the goal of ") +
           goalAmountText(target, regional);
}
