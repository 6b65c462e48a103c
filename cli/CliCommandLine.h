#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct CliFailure;

// The options of one subcommand on QCommandLineParser: long options written
// --name value or --name=value, and -h / --help. Parsing only collects the
// texts; the readers below check them and name the problem in one line, as
// a CliFailure.
class CliCommandLine {
public:
    CliCommandLine();

    // An option that takes a value. `valueName` and `help` make its line of
    // the usage text.
    void addValueOption(const QString& name, const QString& valueName, const QString& help);

    // Parses the arguments after the subcommand's name. Bad input throws a
    // CliFailure with one line: an unknown option (with the accepted ones), an
    // option without its value, a stray argument.
    void parse(const QStringList& arguments);

    bool helpRequested() const;
    // Every value given for the option, in order (the last one counts).
    QStringList values(const QString& name) const;

    // "  --name VALUE   help" lines for every option and --help, wrapped to 80
    // columns.
    QString optionsUsage() const;

private:
    struct Entry {
        QString name;
        QString valueName;
        QString help;
    };

    CliFailure unknownOption(const QString& text) const;
    static CliFailure missingValue(const QString& option);

    QCommandLineParser m_parser;
    QList<Entry> m_entries;
};

// A value as an error line quotes it: in single quotes, at most about 40
// characters, control characters shown as '?'.
QString quotedValue(const QString& value);

// The schedule's inputs: --balance, --savings, --first, --last, --frequency,
// --rate, --savings-step and --rate-step, each defaulting to a first run's
// value. Shared by every subcommand that calculates a schedule.
void addScheduleInputOptions(CliCommandLine& commandLine);
// Reads the options given into `inputs`; a bad value throws a CliFailure.
void readScheduleInputs(const CliCommandLine& commandLine, ScheduleInputs& inputs);

// --locale NAME: the regional settings of the texts.
void addLocaleOption(CliCommandLine& commandLine);
// Reads --locale into `locale` (unset when not given). Only a name that names
// an existing locale exactly passes; another throws a CliFailure.
void readLocale(const CliCommandLine& commandLine, std::optional<QString>& locale);
// The locale's regional settings, or the environment's (LANG / LC_ALL).
RegionalSettings regionalSettingsFor(const std::optional<QString>& locale);
