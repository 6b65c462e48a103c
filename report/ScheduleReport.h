#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QString>

class TfrReport;
class TfrUserDataset;

// Makes `report` print `snapshot`: sets the template's named memos to its
// texts (amounts in currency format with 10 digits and 2 decimals, rate and
// term in general format with 15 digits, the savings step as the grid's row
// headers write money, without decimals), each as a single line (a memo
// missing from the template is skipped), and binds `dataset` and the value
// callback to a copy of its grid, so that the master band prints one row per
// grid row and [Cell1]..[Cell8] are the row's texts. The document title and
// creator go with the report.
void fillScheduleReport(TfrReport& report, TfrUserDataset& dataset,
                        const ScheduleSnapshot& snapshot, const RegionalSettings& regional);

// Replaces the memo of the view `name` (found ignoring case) by one line.
void setMemoText(TfrReport& report, const QString& name, const QString& text);
