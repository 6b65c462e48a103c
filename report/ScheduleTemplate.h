#pragma once

#include <QByteArray>

class TfrReport;

// The schedule report's template, built in code: one Letter page, three bands,
// 28 text views and 3 lines in their stored order. The page is named "Page1";
// it has no caption and no script, and bands and lines carry empty memos.
void buildScheduleTemplate(TfrReport& report);

// The template as the program stores it (the writer's bytes of the template
// above, kept as a resource).
QByteArray scheduleTemplateResource();
