#include "cli/ReportCommand.h"

#include "calc/ArithmeticError.h"
#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "cli/ScheduleCommand.h"
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

int runReportCommand(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    for (const QString& a : arguments)
        if (a == QLatin1String("--format") || a.startsWith(QLatin1String("--format=")))
            return cliFailure(
                err, QCoreApplication::translate(
                         "Cli", "--format does not apply to report; it always writes a PDF"));
    CliCommandLine commandLine;
    addReportOptions(commandLine);
    if (const auto done = parseCommandLine(commandLine, arguments, reportUsage, out, err))
        return *done;
    const QStringList files = commandLine.values(kPdf);
    if (files.isEmpty() || files.last().isEmpty())
        return cliFailure(
            err, QCoreApplication::translate("Cli", "report needs --pdf FILE; see --help"));
    const QString file = files.last();
    ScheduleOptions options;
    QString error = readCalculationOptions(commandLine, options);
    if (!error.isEmpty())
        return cliFailure(err, error);

    const RegionalSettings regional = regionalSettingsFor(options.locale);
    ScheduleSnapshot snapshot = cleanSchedule();
    try {
        computeSchedule(options.inputs, regional, snapshot);
    } catch (const ArithmeticError&) {
        return cliIncalculable(err);
    }

    TfrReport report;
    TfrUserDataset dataset;
    readReport(scheduleTemplateResource(), report);
    fillScheduleReport(report, dataset, snapshot, regional);
    report.PrepareReport();
    if (!writeReportPdf(report.prepared(), file, error)) {
        return cliFailure(err, error, kCliExitOutputFailed);
    }
    return kCliExitSuccess;
}
