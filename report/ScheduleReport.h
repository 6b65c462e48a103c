#pragma once

#include <QString>

class TfrReport;

// The texts the schedule report prints besides the grid, formatted by the caller.
struct ScheduleReportTexts {
    QString balance;          // currency
    QString savings;          // currency
    QString rate;             // general format, without "%"
    QString term;             // general format, without " months"
    QString frequency;        // as the frequency list shows it
    QString futureValue;      // the base cell, unchanged
    QString savingsIncrement; // step caption, e.g. "$25"
    QString rateIncrement;    // step caption, e.g. "1/4%"
};

// Sets the schedule template's named memos to these texts, each as a single
// line; a memo missing from the template is skipped.
void fillScheduleReport(TfrReport& report, const ScheduleReportTexts& texts);

// Replaces the memo of the view `name` (found ignoring case) by one line.
void setMemoText(TfrReport& report, const QString& name, const QString& text);
