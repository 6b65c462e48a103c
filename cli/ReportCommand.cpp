#include "cli/ReportCommand.h"

#include "calc/ArithmeticError.h"
#include "calc/NumberFormat.h"
#include "cli/CliOptions.h"
#include "cli/CliRunner.h"
#include "report/PreparedReport.h"
#include "report/ReportPdf.h"
#include "report/ReportStream.h"
#include "report/ScheduleReport.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

namespace {

constexpr int kExitArithmetic = 1;
constexpr int kExitBadInput = 2;

const char kUsage[] =
    "Usage: tallowmere-cli report --pdf FILE [schedule options]\n"
    "\n"
    "Writes the printed schedule (one Letter page) to FILE as a PDF. It takes the\n"
    "options of `tallowmere-cli schedule` except --format; see its --help.\n";

// Splits off --pdf FILE (or --pdf=FILE); the rest are schedule options.
bool takePdfOption(QStringList& arguments, QString& file, QString& error) {
    for (const QString& a : arguments)
        if (a == QLatin1String("--format") || a.startsWith(QLatin1String("--format="))) {
            error = QStringLiteral("--format does not apply to report; it always writes a PDF");
            return false;
        }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--pdf")) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("--pdf needs a file name; see --help");
                return false;
            }
            file = arguments[i + 1];
            arguments.remove(i, 2);
            return true;
        }
        if (a.startsWith(QLatin1String("--pdf="))) {
            file = a.mid(6);
            arguments.remove(i);
            return true;
        }
    }
    error = QStringLiteral("report needs --pdf FILE; see --help");
    return false;
}

} // namespace

bool isReportCommand(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.front() == QLatin1String("report");
}

int runReportCommand(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    QStringList rest = arguments;
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        out += kUsage;
        return 0;
    }
    QString file;
    QString error;
    if (!takePdfOption(rest, file, error) || file.isEmpty()) {
        err += "tallowmere-cli: " +
               (error.isEmpty() ? QStringLiteral("--pdf needs a file name") : error).toUtf8() +
               '\n';
        return kExitBadInput;
    }
    rest[0] = QStringLiteral("schedule");
    const auto options = parseCliArguments(rest, error);
    if (!options) {
        err += "tallowmere-cli: " + error.toUtf8() + '\n';
        return kExitBadInput;
    }

    const RegionalSettings regional = options->locale
                                          ? RegionalSettings::fromLocale(QLocale(*options->locale))
                                          : RegionalSettings::system();
    ScheduleSnapshot snapshot = cleanSchedule();
    try {
        computeSchedule(options->inputs, regional, snapshot);
    } catch (const ArithmeticError&) {
        err += "tallowmere-cli: Valid results cannot be calculated using the variables you have "
               "entered.\n";
        return kExitArithmetic;
    }

    TfrReport report;
    TfrUserDataset dataset;
    readReport(scheduleTemplateResource(), report);
    report.Dataset = &dataset;
    dataset.OnCheckEOF = [&dataset](QObject*, bool& eof) {
        eof = dataset.RecordIndex >= kGridRows;
    };
    report.OnGetValue = [&](const QString& name, QVariant& value) {
        for (int n = 1; n <= kGridColumns; ++n)
            if (name.compare(QStringLiteral("Cell%1").arg(n), Qt::CaseInsensitive) == 0) {
                value = snapshot.text(n - 1, dataset.RecordIndex);
                return;
            }
    };
    const ScheduleInputs& in = options->inputs;
    fillScheduleReport(
        report, {formatCurrency(in.balance, 10, 2, regional),
                 formatCurrency(in.savings, 10, 2, regional), formatGeneral(in.rate, 15, regional),
                 formatGeneral(snapshot.term, 15, regional), in.frequency, snapshot.baseCell(),
                 snapshot.strSavingsIncrement, snapshot.strRateIncrement});
    report.PrepareReport();
    if (!writeReportPdf(report.prepared(), file, error)) {
        err += "tallowmere-cli: " + error.toUtf8() + '\n';
        return kCliExitOutputFailed;
    }
    return 0;
}
