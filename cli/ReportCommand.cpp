#include "cli/ReportCommand.h"

#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "report/PreparedReport.h"
#include "report/ReportPdf.h"
#include "report/ReportStream.h"
#include "report/ScheduleReport.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

#include <QCoreApplication>

namespace {

const QString kPdf = QStringLiteral("pdf");

void addReportOptions(CliCommandLine& commandLine) {
    commandLine.addValueOption(
        kPdf, QStringLiteral("FILE"),
        QCoreApplication::translate("Cli", "the PDF file to write (required)"));
    addScheduleInputOptions(commandLine);
    addLocaleOption(commandLine);
}

} // namespace

QString reportUsage() {
    CliCommandLine commandLine;
    addReportOptions(commandLine);
    return QCoreApplication::translate(
               "Cli", "Usage: tallowmere-cli report --pdf FILE [options]\n"
                      "\n"
                      "Writes the printed schedule (one Letter page) to FILE as a PDF.\n"
                      "\n"
                      "Options:\n") +
           commandLine.optionsUsage();
}

void runReportCommand(const QStringList& arguments, QByteArray& out) {
    for (const QString& a : arguments)
        if (a == QLatin1String("--format") || a.startsWith(QLatin1String("--format=")))
            throw CliFailure{QCoreApplication::translate(
                "Cli", "--format does not apply to report; it always writes a PDF")};
    CliCommandLine commandLine;
    addReportOptions(commandLine);
    if (helpAnswered(commandLine, arguments, reportUsage, out))
        return;
    const QStringList files = commandLine.values(kPdf);
    if (files.isEmpty() || files.last().isEmpty())
        throw CliFailure{QCoreApplication::translate("Cli", "report needs --pdf FILE; see --help")};
    ScheduleInputs inputs;
    std::optional<QString> locale;
    readScheduleInputs(commandLine, inputs);
    readLocale(commandLine, locale);

    const RegionalSettings regional = regionalSettingsFor(locale);
    ScheduleSnapshot snapshot = cleanSchedule();
    computeSchedule(inputs, regional, snapshot);

    TfrReport report;
    TfrUserDataset dataset;
    readReport(scheduleTemplateResource(), report);
    fillScheduleReport(report, dataset, snapshot, regional);
    report.PrepareReport();
    if (QString error; !writeReportPdf(report.prepared(), files.last(), error))
        throw CliFailure{error, kCliExitOutputFailed};
}
