#pragma once

#include "app/SavedInputs.h"

// The fields the save loop writes in a round: two versions that alternate and
// differ in length, so that a cut or mixed file shows.
inline SavedInputs::Fields saveLoopFields(long round) {
    SavedInputs::Fields fields;
    fields.termText = QStringLiteral("360");
    fields.interestText = QStringLiteral("7.25");
    fields.firstMonth = fields.lastMonth = QStringLiteral("Jan");
    fields.firstYearText = QStringLiteral("2001");
    fields.lastYearText = QStringLiteral("2031");
    fields.savings = round % 2 ? 250 : 1.5;
    fields.frequency = round % 2 ? QStringLiteral("Monthly") : QStringLiteral("Quarterly");
    return fields;
}
