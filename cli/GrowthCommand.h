#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// "tallowmere-cli growth": the schedule's options plus --column 1-7 and --row
// 1-11 (default the base cell 4, 1); prints that cell's balance year by year as
// text, CSV or JSON. `arguments` are those after the command name; the exit
// status and the error lines follow the schedule command's rules.
void runGrowthCommand(const QStringList& arguments, QByteArray& out);

// The growth command's --help text.
QString growthUsage();
