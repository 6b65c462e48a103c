#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QString>

class TfrReport;
class TfrUserDataset;

// The title the report prints on top, and the PDF's document title.
inline constexpr char kScheduleReportTitle[] =
    QT_TRANSLATE_NOOP("ScheduleReport", "Tallowmere Schedule");

// The texts the schedule report prints besides the grid.
struct ScheduleReportTexts {
    QString balance;          // currency
    QString savings;          // currency
    QString rate;             // general format, without "%"
    QString term;             // general format, without " months"
    QString frequency;        // as the frequency list shows it
    QString futureValue;      // the base cell, unchanged
    QString savingsIncrement; // the savings step in the regional currency, e.g. "$25"
    QString rateIncrement;    // step caption, e.g. "1/4%"
};

// The texts of `snapshot`: amounts in currency format (10 digits, 2 decimals),
// rate and term in general format (15 digits), the savings step as the grid's
// row headers write money (no decimals).
ScheduleReportTexts scheduleReportTexts(const ScheduleSnapshot& snapshot,
                                        const RegionalSettings& regional);

// Makes `report` print `snapshot`: sets the template's named memos to its
// texts, each as a single line (a memo missing from the template is skipped),
// and binds `dataset` and the value callback to a copy of its grid, so that the
// master band prints one row per grid row and [Cell1]..[Cell8] are the row's
// texts. The document title and creator go with the report.
void fillScheduleReport(TfrReport& report, TfrUserDataset& dataset,
                        const ScheduleSnapshot& snapshot, const RegionalSettings& regional);

// Sets the memos of `report` to `texts` (the part of fillScheduleReport that
// does not touch the grid).
void setScheduleTexts(TfrReport& report, const ScheduleReportTexts& texts);

// Replaces the memo of the view `name` (found ignoring case) by one line.
void setMemoText(TfrReport& report, const QString& name, const QString& text);
