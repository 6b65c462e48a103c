#include "cli/ReportCommand.h"

#include "calc/ArithmeticError.h"
#include "cli/CliCommand.h"
#include "cli/CliCommandLine.h"
#include "report/PreparedReport.h"
#include "report/ReportPdf.h"
#include "report/ReportStream.h"
#include "report/ScheduleReport.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

namespace {

const QString kPdf = QStringLiteral("pdf");

void addReportOptions(CliCommandLine& commandLine) {
    commandLine.addValueOption(kPdf, QStringLiteral("FILE"),
                               QStringLiteral("the PDF file to write (required)"));
    addScheduleInputOptions(commandLine);
    addLocaleOption(commandLine);
}

} // namespace

QString reportUsage() {
    CliCommandLine commandLine;
    addReportOptions(commandLine);
    return QStringLiteral("Usage: tallowmere-cli report --pdf FILE [options]\n"
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
                err, QStringLiteral("--format does not apply to report; it always writes a PDF"));
    CliCommandLine commandLine;
    addReportOptions(commandLine);
    QString error;
    if (!commandLine.parse(arguments, error))
        return cliFailure(err, error);
    if (commandLine.helpRequested()) {
        out += reportUsage().toUtf8();
        return kCliExitSuccess;
    }
    const QStringList files = commandLine.values(kPdf);
    if (files.isEmpty() || files.last().isEmpty())
        return cliFailure(err, QStringLiteral("report needs --pdf FILE; see --help"));
    const QString file = files.last();
    ScheduleInputs in;
    std::optional<QString> locale;
    error = readScheduleInputs(commandLine, in);
    if (error.isEmpty())
        error = readLocale(commandLine, locale);
    if (!error.isEmpty())
        return cliFailure(err, error);

    const RegionalSettings regional = regionalSettingsFor(locale);
    ScheduleSnapshot snapshot = cleanSchedule();
    try {
        computeSchedule(in, regional, snapshot);
    } catch (const ArithmeticError&) {
        return cliFailure(err,
                          QStringLiteral("Valid results cannot be calculated using the variables "
                                         "you have entered."),
                          kCliExitArithmetic);
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
