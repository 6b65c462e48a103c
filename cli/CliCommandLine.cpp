#include "cli/CliCommandLine.h"

#include "calc/FutureValue.h"
#include "calc/NumberFormat.h"
#include "calc/Steps.h"
#include "calc/Term.h"
#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace {

constexpr qsizetype kQuotedLength = 40;
constexpr qsizetype kUsageWidth = 80;
constexpr qsizetype kHelpColumn = 21;

const QString kHelp = QStringLiteral("help");

QString dashed(const QString& name) {
    return QStringLiteral("--") + name;
}

// The option name an argument spells ("--rate=5" and "-rate" name "rate").
QString spelledName(const QString& argument) {
    QString name = argument.section(u'=', 0, 0);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name;
}

// `text` as lines of at most kUsageWidth columns, the first after `head`, the
// others indented to the help column.
QString wrapped(const QString& head, const QString& text) {
    const QString indent(kHelpColumn, u' ');
    QString out = head.leftJustified(kHelpColumn - 1) + u' ';
    qsizetype column = out.size();
    bool first = true;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!first && column + 1 + word.size() > kUsageWidth) {
            out += u'\n' + indent;
            column = indent.size();
        } else if (!first) {
            out += u' ';
            ++column;
        }
        out += word;
        column += word.size();
        first = false;
    }
    return out + u'\n';
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

QString stepList(const std::array<Step, kStepCount>& steps) {
    QStringList items;
    for (int i = 0; i < kStepCount; ++i)
        items << QStringLiteral("%1 = %2").arg(i).arg(QString::fromLatin1(steps[i].caption));
    return items.join(QStringLiteral(", "));
}

// The radio items' texts, as the window shows them: "10, 25, ..." and ".10, .125, ...".
QString stepLabels(const std::array<Step, kStepCount>& steps) {
    QStringList labels;
    for (const Step& step : steps)
        labels << QString::fromLatin1(step.label).trimmed();
    return labels.join(QStringLiteral(", "));
}

QString choiceList(const QStringList& names) {
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) +
           QCoreApplication::translate("Cli", " or ") + names.last();
}

// The rate as the window's Interest Rate field keeps it: written with its
// decimals and read back.
double rateAsStored(double rate) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    return parseNumber(formatFixed(rate, kRateDecimals, us), us).value_or(rate);
}

void readNumberOption(const CliCommandLine& commandLine, const QString& name, double& target) {
    for (const QString& value : commandLine.values(name)) {
        const auto number = readAmount(value);
        if (!number)
            throw CliFailure{QCoreApplication::translate(
                                 "Cli", "%1: %2 is not a number; expected a number with '.' as "
                                        "the decimal point, e.g. 1000 or 12.50")
                                 .arg(dashed(name), quotedValue(value))};
        target = *number;
    }
}

void readMonthOption(const CliCommandLine& commandLine, const QString& name, QString& month,
                     std::int32_t& year) {
    for (const QString& value : commandLine.values(name)) {
        if (!readMonthYear(value, month, year))
            throw CliFailure{QCoreApplication::translate(
                                 "Cli", "%1: %2 is not a month and year; expected one of %3 "
                                        "followed by a whole year, e.g. \"Jan 2000\"")
                                 .arg(dashed(name), quotedValue(value),
                                      monthNames().join(QStringLiteral(", ")))};
    }
}

void readStepOption(const CliCommandLine& commandLine, const QString& name,
                    const std::array<Step, kStepCount>& steps, int& target) {
    for (const QString& value : commandLine.values(name)) {
        const auto index = readWholeNumber(value);
        if (!index || *index < 0 || *index >= kStepCount)
            throw CliFailure{QCoreApplication::translate(
                                 "Cli", "%1: %2 is not a step index; expected a whole number "
                                        "from 0 to %3 (%4)")
                                 .arg(dashed(name), quotedValue(value))
                                 .arg(kStepCount - 1)
                                 .arg(stepList(steps))};
        target = *index;
    }
}

} // namespace

CliCommandLine::CliCommandLine() {
    // "-rate" and "--rate" alike; single dashes never bundle letters.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
}

void CliCommandLine::addValueOption(const QString& name, const QString& valueName,
                                    const QString& help) {
    m_parser.addOption(QCommandLineOption(name, help, valueName));
    m_entries.append({name, valueName, help});
}

CliFailure CliCommandLine::unknownOption(const QString& text) const {
    QStringList accepted;
    for (const Entry& entry : m_entries)
        accepted << dashed(entry.name);
    accepted << dashed(kHelp);
    return {QCoreApplication::translate("Cli", "unknown option %1; accepted options: %2")
                .arg(quotedValue(text), accepted.join(QStringLiteral(", ")))};
}

CliFailure CliCommandLine::missingValue(const QString& option) {
    return {QCoreApplication::translate("Cli", "%1 needs a value; see --help").arg(option)};
}

void CliCommandLine::parse(const QStringList& arguments) {
    // QCommandLineParser expects the program's name first.
    const bool parsed = m_parser.parse(QStringList{QStringLiteral("tallowmere-cli")} + arguments);
    if (m_parser.isSet(kHelp))
        return;
    if (!parsed) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            for (const QString& argument : arguments)
                if (argument.startsWith(u'-') && spelledName(argument) == unknown.first())
                    throw unknownOption(argument.section(u'=', 0, 0));
            throw unknownOption(dashed(unknown.first()));
        }
        // The only other failure: the last option lacks its value.
        if (!arguments.isEmpty() && !arguments.last().contains(u'='))
            throw missingValue(arguments.last());
        throw CliFailure{m_parser.errorText()};
    }
    // An option followed by another ("--balance --savings 5") took that one's
    // name as its value: what the user left out is the value.
    for (const Entry& entry : m_entries) {
        for (const QString& value : m_parser.values(entry.name)) {
            if (!value.startsWith(u'-'))
                continue; // "-5" names no option: it is a negative number
            const QString name = spelledName(value);
            if (name == kHelp || name == QLatin1String("h") ||
                std::any_of(m_entries.begin(), m_entries.end(),
                            [&](const Entry& e) { return e.name == name; }))
                throw missingValue(dashed(entry.name));
        }
    }
    if (!m_parser.positionalArguments().isEmpty())
        throw unknownOption(m_parser.positionalArguments().first());
}

bool CliCommandLine::helpRequested() const {
    return m_parser.isSet(kHelp);
}

QStringList CliCommandLine::values(const QString& name) const {
    return m_parser.values(name);
}

QString CliCommandLine::optionsUsage() const {
    QString usage;
    for (const Entry& entry : m_entries)
        usage += wrapped(QStringLiteral("  --%1 %2").arg(entry.name, entry.valueName), entry.help);
    usage +=
        wrapped(QStringLiteral("  --help"), QCoreApplication::translate("Cli", "show this help"));
    return usage;
}

QString quotedValue(const QString& value) {
    QString shown = value.size() > kQuotedLength
                        ? value.left(kQuotedLength - 3) + QStringLiteral("...")
                        : value;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return u'\'' + shown + u'\'';
}

void addScheduleInputOptions(CliCommandLine& commandLine) {
    const ScheduleInputs defaults;
    const auto monthYear = [](const QString& month, std::int32_t year) {
        return QStringLiteral("\"%1 %2\"").arg(month).arg(year);
    };
    commandLine.addValueOption(
        QStringLiteral("balance"), QStringLiteral("X"),
        QCoreApplication::translate("Cli", "initial balance (default %1)").arg(defaults.balance));
    commandLine.addValueOption(
        QStringLiteral("savings"), QStringLiteral("X"),
        QCoreApplication::translate("Cli", "monthly savings of the first row (default %1)")
            .arg(defaults.savings));
    commandLine.addValueOption(
        QStringLiteral("first"), QStringLiteral("\"Mon YYYY\""),
        QCoreApplication::translate("Cli", "first month and year (default %1)")
            .arg(monthYear(defaults.firstMonth, defaults.firstYear)));
    commandLine.addValueOption(
        QStringLiteral("last"), QStringLiteral("\"Mon YYYY\""),
        QCoreApplication::translate("Cli", "last month and year (default %1); months: %2")
            .arg(monthYear(defaults.lastMonth, defaults.lastYear), monthNames().join(u' ')));
    commandLine.addValueOption(QStringLiteral("frequency"), QStringLiteral("NAME"),
                               QCoreApplication::translate("Cli", "compounding: %1 (default %2)")
                                   .arg(choiceList(frequencyNames()), defaults.frequency));
    commandLine.addValueOption(
        QStringLiteral("rate"), QStringLiteral("X"),
        QCoreApplication::translate("Cli", "annual interest rate in percent of the middle "
                                           "column, rounded to %1 decimals (default %2)")
            .arg(kRateDecimals)
            .arg(defaults.rate));
    commandLine.addValueOption(
        QStringLiteral("savings-step"), QStringLiteral("N"),
        QCoreApplication::translate("Cli", "savings step index 0-%1: %2 (default %3)")
            .arg(kStepCount - 1)
            .arg(stepLabels(savingsSteps()))
            .arg(defaults.savingsStepIndex));
    commandLine.addValueOption(
        QStringLiteral("rate-step"), QStringLiteral("N"),
        QCoreApplication::translate("Cli", "rate step index 0-%1: %2 percentage points "
                                           "(default %3)")
            .arg(kStepCount - 1)
            .arg(stepLabels(rateSteps()))
            .arg(defaults.rateStepIndex));
}

void readScheduleInputs(const CliCommandLine& commandLine, ScheduleInputs& inputs) {
    readNumberOption(commandLine, QStringLiteral("balance"), inputs.balance);
    readNumberOption(commandLine, QStringLiteral("savings"), inputs.savings);
    readMonthOption(commandLine, QStringLiteral("first"), inputs.firstMonth, inputs.firstYear);
    readMonthOption(commandLine, QStringLiteral("last"), inputs.lastMonth, inputs.lastYear);
    for (const QString& value : commandLine.values(QStringLiteral("frequency"))) {
        if (!isKnownFrequency(value))
            throw CliFailure{
                QCoreApplication::translate(
                    "Cli", "--frequency: %1 is not a frequency; expected one of %2")
                    .arg(quotedValue(value), frequencyNames().join(QStringLiteral(", ")))};
        inputs.frequency = value;
    }
    readNumberOption(commandLine, QStringLiteral("rate"), inputs.rate);
    inputs.rate = rateAsStored(inputs.rate);
    readStepOption(commandLine, QStringLiteral("savings-step"), savingsSteps(),
                   inputs.savingsStepIndex);
    readStepOption(commandLine, QStringLiteral("rate-step"), rateSteps(), inputs.rateStepIndex);
}

void addLocaleOption(CliCommandLine& commandLine) {
    commandLine.addValueOption(
        QStringLiteral("locale"), QStringLiteral("NAME"),
        QCoreApplication::translate("Cli", "regional settings for the texts, a locale name "
                                           "language_TERRITORY such as en_US or de_DE "
                                           "(default: from the environment, LANG / LC_ALL)"));
}

void readLocale(const CliCommandLine& commandLine, std::optional<QString>& locale) {
    for (const QString& value : commandLine.values(QStringLiteral("locale"))) {
        // QLocale quietly stands in a related locale (or C) for a name it does
        // not know; only a name it gives back unchanged is one it has.
        const bool exact = value == QLatin1String("POSIX") || QLocale(value).name() == value;
        if (!exact)
            throw CliFailure{QCoreApplication::translate(
                                 "Cli", "--locale: %1 is not a known locale; expected a locale "
                                        "name language_TERRITORY such as en_US or de_DE")
                                 .arg(quotedValue(value))};
        locale = value;
    }
}

RegionalSettings regionalSettingsFor(const std::optional<QString>& locale) {
    return locale ? RegionalSettings::fromLocale(QLocale(*locale)) : RegionalSettings::system();
}
