#include "cli/CliOptions.h"

#include "calc/FutureValue.h"
#include "calc/NumberFormat.h"
#include "calc/Steps.h"
#include "calc/Term.h"

#include <QLocale>

namespace {

const QStringList& frequencyNames() {
    static const QStringList names = {QStringLiteral("Annually"), QStringLiteral("Biannually"),
                                      QStringLiteral("Quarterly"), QStringLiteral("Monthly"),
                                      QStringLiteral("Daily")};
    return names;
}

QString stepList(const std::array<Step, kStepCount>& steps) {
    QStringList items;
    for (int i = 0; i < kStepCount; ++i)
        items << QStringLiteral("%1 = %2").arg(i).arg(QString::fromLatin1(steps[i].caption));
    return items.join(QStringLiteral(", "));
}

// Amounts and rates on the command line always use '.' as the decimal point,
// whatever the regional settings, so scripts give the same result everywhere.
std::optional<double> readAmount(const QString& text) {
    return parseNumber(text, RegionalSettings::unitedStates());
}

std::optional<std::int32_t> readWholeNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// "Jan 2000": a month name (exact case) and a whole year.
bool readMonthYear(const QString& text, QString& month, std::int32_t& year) {
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 2 || monthNumber(parts[0]) == 0)
        return false;
    const auto parsedYear = readWholeNumber(parts[1]);
    if (!parsedYear)
        return false;
    month = parts[0];
    year = *parsedYear;
    return true;
}

bool isKnownLocale(const QString& name) {
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return true;
    // QLocale falls back to the C locale for names it does not know.
    return !name.isEmpty() && QLocale(name).language() != QLocale::C;
}

const QStringList& optionNames() {
    static const QStringList names = {
        QStringLiteral("--balance"),      QStringLiteral("--savings"),   QStringLiteral("--first"),
        QStringLiteral("--last"),         QStringLiteral("--frequency"), QStringLiteral("--rate"),
        QStringLiteral("--savings-step"), QStringLiteral("--rate-step"), QStringLiteral("--locale"),
        QStringLiteral("--format"),       QStringLiteral("--help")};
    return names;
}

QString quoted(const QString& text) {
    return u'\'' + text + u'\'';
}

// Checks and stores one option's value; returns an error line or an empty text.
QString applyOption(const QString& name, const QString& value, CliOptions& options) {
    ScheduleInputs& in = options.inputs;
    if (name == QLatin1String("--balance") || name == QLatin1String("--savings") ||
        name == QLatin1String("--rate")) {
        const auto number = readAmount(value);
        if (!number)
            return QStringLiteral("%1: %2 is not a number; expected a number with '.' as the "
                                  "decimal point, e.g. 1000 or 12.50")
                .arg(name, quoted(value));
        if (name == QLatin1String("--balance"))
            in.balance = *number;
        else if (name == QLatin1String("--savings"))
            in.savings = *number;
        else
            in.rate = *number;
        return {};
    }
    if (name == QLatin1String("--first") || name == QLatin1String("--last")) {
        const bool first = name == QLatin1String("--first");
        if (!readMonthYear(value, first ? in.firstMonth : in.lastMonth,
                           first ? in.firstYear : in.lastYear))
            return QStringLiteral("%1: %2 is not a month and year; expected one of %3 followed "
                                  "by a whole year, e.g. \"Jan 2000\"")
                .arg(name, quoted(value), monthNames().join(QStringLiteral(", ")));
        return {};
    }
    if (name == QLatin1String("--frequency")) {
        if (!frequencyNames().contains(value))
            return QStringLiteral("--frequency: %1 is not a frequency; expected one of %2")
                .arg(quoted(value), frequencyNames().join(QStringLiteral(", ")));
        in.frequency = value;
        return {};
    }
    if (name == QLatin1String("--savings-step") || name == QLatin1String("--rate-step")) {
        const bool savings = name == QLatin1String("--savings-step");
        const auto index = readWholeNumber(value);
        if (!index || *index < 0 || *index >= kStepCount)
            return QStringLiteral("%1: %2 is not a step index; expected a whole number from 0 "
                                  "to 8 (%3)")
                .arg(name, quoted(value), stepList(savings ? savingsSteps() : rateSteps()));
        (savings ? in.savingsStepIndex : in.rateStepIndex) = *index;
        return {};
    }
    if (name == QLatin1String("--locale")) {
        if (!isKnownLocale(value))
            return QStringLiteral("--locale: %1 is not a known locale; expected a locale name "
                                  "such as en_US or de_DE")
                .arg(quoted(value));
        options.locale = value;
        return {};
    }
    if (name == QLatin1String("--format")) {
        if (value == QLatin1String("text"))
            options.format = CliOptions::Format::Text;
        else if (value == QLatin1String("csv"))
            options.format = CliOptions::Format::Csv;
        else if (value == QLatin1String("json"))
            options.format = CliOptions::Format::Json;
        else
            return QStringLiteral("--format: %1 is not a format; expected one of text, csv, json")
                .arg(quoted(value));
        return {};
    }
    return QStringLiteral("unknown option %1; accepted options: %2")
        .arg(quoted(name), optionNames().join(QStringLiteral(", ")));
}

} // namespace

std::optional<CliOptions> parseCliArguments(const QStringList& arguments, QString& error) {
    CliOptions options;
    if (arguments.isEmpty()) {
        error = QStringLiteral("missing command; expected: schedule or growth (or --help)");
        return std::nullopt;
    }
    const QString& command = arguments.front();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        options.help = true;
        return options;
    }
    if (command != QLatin1String("schedule")) {
        error = QStringLiteral("unknown command %1; expected: schedule or growth (or --help)")
                    .arg(quoted(command));
        return std::nullopt;
    }

    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            options.help = true;
            return options;
        }
        std::optional<QString> value;
        const qsizetype equals = name.indexOf(u'=');
        if (name.startsWith(QLatin1String("--")) && equals > 2) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (!optionNames().contains(name)) {
            error = QStringLiteral("unknown option %1; accepted options: %2")
                        .arg(quoted(name), optionNames().join(QStringLiteral(", ")));
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value; see --help").arg(name);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        const QString problem = applyOption(name, *value, options);
        if (!problem.isEmpty()) {
            error = problem;
            return std::nullopt;
        }
    }
    return options;
}

QString cliUsage() {
    return QStringLiteral(
        "Usage: tallowmere-cli schedule [options]\n"
        "       tallowmere-cli growth [options]   (one cell year by year; growth --help)\n"
        "\n"
        "Prints the savings/rate schedule: 11 monthly savings amounts by 7 interest rates,\n"
        "each cell the future value of the balance plus that saving over the term.\n"
        "\n"
        "Options:\n"
        "  --balance X        initial balance (default 0)\n"
        "  --savings X        monthly savings of the first row (default 0)\n"
        "  --first \"Mon YYYY\" first month and year (default \"Jan 2001\")\n"
        "  --last \"Mon YYYY\"  last month and year (default \"Jan 2031\")\n"
        "                     months: Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec\n"
        "  --frequency NAME   compounding: Annually, Biannually, Quarterly, Monthly (default)\n"
        "                     or Daily\n"
        "  --rate X           annual interest rate in percent of the middle column (default 0)\n"
        "  --savings-step N   savings step index 0-8: 10, 25, 50, 75, 100, 125, 150, 200, 250\n"
        "                     (default 0)\n"
        "  --rate-step N      rate step index 0-8: .10, .125, .20, .25, .333, .375, .5, .75,\n"
        "                     1.0 percentage points (default 3)\n"
        "  --locale NAME      regional settings for the texts, e.g. en_US or de_DE\n"
        "                     (default: from the environment, LANG / LC_ALL)\n"
        "  --format FORMAT    text (aligned table, default), csv (RFC 4180) or json\n"
        "  --help             show this help\n"
        "\n"
        "Numbers use '.' as the decimal point; years are whole numbers. Options also\n"
        "accept the form --name=value.\n"
        "\n"
        "Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,\n"
        "3 the output could not be written.\n");
}
