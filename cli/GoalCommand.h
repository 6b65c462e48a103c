#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// "tallowmere-cli goal": the schedule's options plus --target AMOUNT and
// --solve savings|balance|term|rate; prints the value of the solved input
// that makes the base cell reach the target, as text, CSV or JSON. Exit
// statuses as for the schedule, and 4 for a goal that cannot be reached, with
// its sentence on standard error.
void runGoalCommand(const QStringList& arguments, QByteArray& out);

// The goal command's --help text.
QString goalUsage();
