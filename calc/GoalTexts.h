#pragma once

#include "calc/GoalSolver.h"
#include "calc/RegionalSettings.h"

#include <QString>

// The goal's texts, shared by the Goal window, the grid's marks and the
// command-line companion, in the regional settings given.

// A target or an amount answer: currency with cents ("$20,000.00").
QString goalAmountText(double amount, const RegionalSettings& regional);

// The answer as the user reads it: "$110.94", "Nov 2010" or "7.580%"; the
// sentence when there is no answer.
QString goalAnswerText(const GoalAnswer& answer, const RegionalSettings& regional);

// "reaches the goal of $20,000.00": the tooltip line of a marked cell.
QString goalMarkLine(double target, const RegionalSettings& regional);
