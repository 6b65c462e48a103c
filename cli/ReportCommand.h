#pragma once

#include <QByteArray>
#include <QStringList>

// `tallowmere-cli report --pdf FILE [schedule options]`: prepares the printed
// schedule from the same texts as the window and writes it as a PDF. Needs a
// QGuiApplication (fonts), no display. Exit status as for `schedule`, and 3
// when the file cannot be written.
// `arguments` are those after the command name.
void runReportCommand(const QStringList& arguments, QByteArray& out);

// The command's --help text.
QString reportUsage();
