#include "cli/CliRunner.h"
#include "cli/ScheduleCommand.h"
#include "cli/ScheduleWriters.h"
#include "platform/ProductInfo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <utility>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Run runCliProgram(const QStringList& arguments, const QString& lang = QStringLiteral("C.UTF-8")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("LC_ALL"), lang);
    return runProgram(QStringLiteral(TLMR_CLI_PATH), arguments, env);
}

// The environment of a session without any display: no platform plugin chosen,
// no X or Wayland server to connect to.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

// A CSV record's fields; quoted fields keep their commas.
QStringList csvRecord(const QString& record) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (const QChar c : record) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            fields << std::exchange(field, QString());
        else
            field += c;
    }
    return fields << field;
}

const QStringList kExample = {"schedule", "--balance",      "1000",   "--savings",   "100",
                              "--first",  "Jan 2000",       "--last", "Jan 2010",    "--rate",
                              "6",        "--savings-step", "1",      "--rate-step", "3",
                              "--locale", "en_US"};

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void defaultsAreThoseOfAFirstRun();
    void optionForms();
    void rateIsKeptAsTheWindowKeepsIt_data();
    void rateIsKeptAsTheWindowKeepsIt();
    void badInput_data();
    void badInput();
    void errorLinesAreKept();
    void csvQuoting();
    void exampleAsJson();
    void csvOutput();
    void textOutputIsAligned();
    void numbersAddUp_data();
    void numbersAddUp();
    void exitCodes();
    void localeFromEnvironment();
    void help();
    void informationWithoutDisplay_data();
    void informationWithoutDisplay();
};

void TestCli::defaultsAreThoseOfAFirstRun() {
    QString error;
    const auto options = parseScheduleArguments({}, error);
    QVERIFY(options.has_value());
    const ScheduleInputs& in = options->inputs;
    QCOMPARE(in.balance, 0.0);
    QCOMPARE(in.savings, 0.0);
    QCOMPARE(in.rate, 0.0);
    QCOMPARE(in.firstMonth, QStringLiteral("Jan"));
    QCOMPARE(in.firstYear, 2001);
    QCOMPARE(in.lastMonth, QStringLiteral("Jan"));
    QCOMPARE(in.lastYear, 2031);
    QCOMPARE(in.frequency, QStringLiteral("Monthly"));
    QCOMPARE(in.savingsStepIndex, 0);
    QCOMPARE(in.rateStepIndex, 3);
    QVERIFY(!options->locale);
    QCOMPARE(options->format, ScheduleOptions::Format::Text);
}

void TestCli::optionForms() {
    QString error;
    const auto options = parseScheduleArguments(
        {"--balance=-1500.5", "--rate", "7.25", "--first", "Mar 1999", "--last=Feb 2001",
         "--frequency", "Daily", "--savings-step", "8", "--rate-step=0", "--format", "csv",
         "--savings", "-25", "-locale", "de_DE"},
        error);
    QVERIFY2(options.has_value(), qPrintable(error));
    QCOMPARE(options->inputs.balance, -1500.5);
    QCOMPARE(options->inputs.rate, 7.25);
    QCOMPARE(options->inputs.firstMonth, QStringLiteral("Mar"));
    QCOMPARE(options->inputs.firstYear, 1999);
    QCOMPARE(options->inputs.lastYear, 2001);
    QCOMPARE(options->inputs.frequency, QStringLiteral("Daily"));
    QCOMPARE(options->inputs.savingsStepIndex, 8);
    QCOMPARE(options->inputs.rateStepIndex, 0);
    QCOMPARE(options->format, ScheduleOptions::Format::Csv);
    QCOMPARE(options->inputs.savings, -25.0);
    QCOMPARE(options->locale, std::optional<QString>(QStringLiteral("de_DE")));
}

void TestCli::rateIsKeptAsTheWindowKeepsIt_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("kept");
    QTest::newRow("three decimals") << "7.125" << 7.125;
    QTest::newRow("rounded down") << "6.0004" << 6.0;
    QTest::newRow("half away from zero") << "-1.2345" << -1.235;
    QTest::newRow("exponent form") << "2.50049e1" << 25.005;
}

void TestCli::rateIsKeptAsTheWindowKeepsIt() {
    QFETCH(QString, typed);
    QFETCH(double, kept);
    QString error;
    const auto options = parseScheduleArguments({"--rate", typed}, error);
    QVERIFY2(options.has_value(), qPrintable(error));
    QCOMPARE(options->inputs.rate, kept);
}

void TestCli::badInput_data() {
    const QString longValue(500, u'9');
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("no command") << QStringList() << "schedule";
    QTest::newRow("unknown command") << QStringList{"plan"} << "schedule";
    QTest::newRow("unknown option") << QStringList{"schedule", "--colour", "red"} << "--balance";
    QTest::newRow("single-dash unknown") << QStringList{"schedule", "-x"} << "'-x'";
    QTest::newRow("stray argument") << QStringList{"schedule", "--rate", "5", "6"} << "'6'";
    QTest::newRow("missing value") << QStringList{"schedule", "--rate"} << "--rate needs a value";
    QTest::newRow("option instead of value")
        << QStringList{"schedule", "--balance", "--savings", "5"} << "--balance needs a value";
    QTest::newRow("help instead of value")
        << QStringList{"schedule", "--rate", "-h"} << "--rate needs a value";
    QTest::newRow("not a number") << QStringList{"schedule", "--savings", "12,50"} << "'.'";
    QTest::newRow("infinite number") << QStringList{"schedule", "--balance", "1e999"} << "'.'";
    QTest::newRow("long value is cut")
        << QStringList{"schedule", "--savings", longValue + "x"} << "9999...'";
    QTest::newRow("control character") << QStringList{"schedule", "--rate", "1\n2"} << "'1?2'";
    QTest::newRow("bad value given twice")
        << QStringList{"schedule", "--rate", "x", "--rate", "5"} << "'x'";
    QTest::newRow("step out of range")
        << QStringList{"schedule", "--savings-step", "9"} << "0 to 8";
    QTest::newRow("step not whole") << QStringList{"schedule", "--rate-step", "1.5"} << "0 to 8";
    QTest::newRow("month case") << QStringList{"schedule", "--first", "jan 2000"} << "Dec";
    QTest::newRow("year not whole") << QStringList{"schedule", "--last", "Jan 20.5"} << "Jan 2000";
    QTest::newRow("year out of range")
        << QStringList{"schedule", "--last", "Jan 3000000000"} << "Jan 2000";
    QTest::newRow("unknown frequency")
        << QStringList{"schedule", "--frequency", "Weekly"} << "Biannually";
    QTest::newRow("unknown locale") << QStringList{"schedule", "--locale", "xx_QQ"} << "en_US";
    for (const char* name : {"en_XX", "de_US", "de", "de_DE.UTF-8"})
        QTest::addRow("inexact locale %s", name)
            << QStringList{"schedule", "--locale", name} << "language_TERRITORY";
    QTest::newRow("unknown format") << QStringList{"schedule", "--format", "xml"} << "json";
}

void TestCli::badInput() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    QByteArray out;
    QByteArray err;
    QCOMPARE(runCli(arguments, out, err), kCliExitBadInput);
    QVERIFY(out.isEmpty());
    QVERIFY2(err.contains(mentions.toUtf8()), err.constData());
    QVERIFY(err.startsWith("tallowmere-cli: "));
    QCOMPARE(err.count('\n'), 1);
    QVERIFY(err.endsWith('\n'));
    QVERIFY2(err.size() < 250, err.constData());
}

// The lines scripts may match, word for word.
void TestCli::errorLinesAreKept() {
    const auto errorOf = [](const QStringList& arguments) {
        QByteArray out;
        QByteArray err;
        runCli(arguments, out, err);
        return QString::fromUtf8(err);
    };
    QCOMPARE(
        errorOf({}),
        "tallowmere-cli: missing command; expected: schedule, growth, report, goal (or --help)\n");
    QCOMPARE(errorOf({"schedule", "--colour=red"}),
             "tallowmere-cli: unknown option '--colour'; accepted options: --balance, --savings, "
             "--first, --last, --frequency, --rate, --savings-step, --rate-step, --locale, "
             "--format, --help\n");
    QCOMPARE(errorOf({"schedule", "--rate"}), "tallowmere-cli: --rate needs a value; see --help\n");
    QCOMPARE(errorOf({"schedule", "--frequency", "Weekly"}),
             "tallowmere-cli: --frequency: 'Weekly' is not a frequency; expected one of Annually, "
             "Biannually, Quarterly, Monthly, Daily\n");
    QCOMPARE(errorOf({"schedule", "--rate-step", "9"}),
             "tallowmere-cli: --rate-step: '9' is not a step index; expected a whole number from "
             "0 to 8 (0 = 1/10%, 1 = 1/8%, 2 = 1/5%, 3 = 1/4%, 4 = 1/3%, 5 = 3/8%, 6 = 1/2%, "
             "7 = 3/4%, 8 = 1%)\n");

    // The program writes the same line to standard error.
    const Run run = runCliProgram({"schedule", "--rate"});
    QCOMPARE(run.exitCode, kCliExitBadInput);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err, QByteArray("tallowmere-cli: --rate needs a value; see --help\n"));
}

void TestCli::csvQuoting() {
    ScheduleSnapshot s = cleanSchedule();
    s.cells[1][1] = QStringLiteral("say \"hi\"");
    s.cells[1][2] = QStringLiteral("a\nb");
    s.cells[1][3] = QStringLiteral("c\rd");
    s.cells[1][4] = QStringLiteral(" $1,000.00");
    s.cells[1][5] = QStringLiteral("plain");
    const QStringList records =
        scheduleAsCsv(s, RegionalSettings::unitedStates()).split(QStringLiteral("\r\n"));
    QCOMPARE(records.size(), 1 + 77 + 1); // a CRLF ends every record
    QVERIFY(records.last().isEmpty());
    QCOMPARE(records[0], QStringLiteral("row,column,savings,rate,futureValue,paidIn,earned,"
                                        "savingsText,rateText,futureValueText,paidInText,"
                                        "earnedText"));
    QCOMPARE(records[1], QStringLiteral("1,1,0,0,0,0,0,,,\"say \"\"hi\"\"\",,"));
    QCOMPARE(records[2], QStringLiteral("1,2,0,0,0,0,0,,,\"a\nb\",,"));
    QCOMPARE(records[3], QStringLiteral("1,3,0,0,0,0,0,,,\"c\rd\",,"));
    QCOMPARE(records[4], QStringLiteral("1,4,0,0,0,0,0,,,\"$1,000.00\",,"));
    QCOMPARE(records[5], QStringLiteral("1,5,0,0,0,0,0,,,plain,,"));
    // A cell never calculated has no figures.
    QCOMPARE(records[77], QStringLiteral("11,7,0,0,,,,,,,,"));
}

void TestCli::exampleAsJson() {
    const Run run = runCliProgram(kExample + QStringList{"--format", "json"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &parseError);
    QCOMPARE(parseError.error, QJsonParseError::NoError);
    QVERIFY(doc.isObject());
    const QJsonObject object = doc.object();
    // The display fields stay; the numbers come beside them.
    QCOMPARE(object.keys(), QStringList({"cells", "grid", "rateIncrement", "savingsIncrement",
                                         "term", "tooltips"}));
    QCOMPARE(object.value("term").toInt(-1), 120);
    QCOMPARE(object.value("savingsIncrement").toString(), QStringLiteral("$25"));
    QCOMPARE(object.value("rateIncrement").toString(), QStringLiteral("1/4%"));

    const QJsonArray grid = object.value("grid").toArray();
    const QJsonArray tooltips = object.value("tooltips").toArray();
    QCOMPARE(grid.size(), 12);
    QCOMPARE(tooltips.size(), 12);
    for (int r = 0; r < 12; ++r) {
        QCOMPARE(grid[r].toArray().size(), 8);
        QCOMPARE(tooltips[r].toArray().size(), 8);
        for (int c = 0; c < 8; ++c) {
            QVERIFY(grid[r][c].isString());
            QCOMPARE(tooltips[r][c].isNull(), r == 0 || c == 0);
            QCOMPARE(tooltips[r][c].isString(), r > 0 && c > 0);
        }
    }
    QCOMPARE(grid[0][0].toString(), QStringLiteral(" Savings/Rate"));
    QStringList rowHeaders;
    for (int r = 1; r < 12; ++r)
        rowHeaders << grid[r][0].toString();
    QCOMPARE(rowHeaders, QStringList({" $100", " $125", " $150", " $175", " $200", " $225", " $250",
                                      " $275", " $300", " $325", " $350"}));
    QStringList columnHeaders;
    for (int c = 1; c < 8; ++c)
        columnHeaders << grid[0][c].toString();
    QCOMPARE(columnHeaders,
             QStringList({"  5.25%", "  5.5%", "  5.75%", "  6%", "  6.25%", "  6.5%", "  6.75%"}));
    QCOMPARE(grid[1][4].toString(), QStringLiteral(" $18,207.33"));
    QCOMPARE(grid[1][1].toString(), QStringLiteral(" $17,426.22"));
    QCOMPARE(grid[1][7].toString(), QStringLiteral(" $19,032.71"));
    QCOMPARE(grid[11][4].toString(), QStringLiteral(" $59,177.17"));
    QCOMPARE(grid[11][7].toString(), QStringLiteral(" $61,713.68"));
    QCOMPARE(tooltips[1][4].toString(),
             QStringLiteral("Total Invested: $13,000\r\nTotal Earned: $5,207"));

    const QJsonArray cells = object.value("cells").toArray();
    QCOMPARE(cells.size(), 77);
    const QJsonObject base = cells[3].toObject();
    QCOMPARE(base.value("row").toInt(), 1);
    QCOMPARE(base.value("column").toInt(), 4);
    QCOMPARE(base.value("savings").toDouble(), 100.0);
    QCOMPARE(base.value("rate").toDouble(), 6.0);
    QCOMPARE(base.value("futureValue").toDouble(), 18207.33);
    QCOMPARE(base.value("paidIn").toDouble(), 13000.0);
    QCOMPARE(base.value("earned").toDouble(), 5207.33);
    QCOMPARE(base.value("savingsText").toString(), QStringLiteral("$100"));
    QCOMPARE(base.value("rateText").toString(), QStringLiteral("6%"));
    QCOMPARE(base.value("futureValueText").toString(), QStringLiteral("$18,207.33"));
    QCOMPARE(base.value("paidInText").toString(), QStringLiteral("$13,000"));
    QCOMPARE(base.value("earnedText").toString(), QStringLiteral("$5,207"));
    QCOMPARE(cells[76].toObject().value("futureValue").toDouble(), 61713.68);
    QCOMPARE(cells[76].toObject().value("rate").toDouble(), 6.75);
    QCOMPARE(cells[76].toObject().value("savings").toDouble(), 350.0);
}

void TestCli::csvOutput() {
    const Run run = runCliProgram(kExample + QStringList{"--format", "csv"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count("\r\n"), 78);
    QCOMPARE(run.out.count('\n'), 78);
    const QList<QByteArray> records = run.out.split('\n');
    QCOMPARE(records[1], QByteArray("1,1,100,5.25,17426.22,13000,4426.22,$100,5.25%,"
                                    "\"$17,426.22\",\"$13,000\",\"$4,426\"\r"));
}

// The figures of every cell are plain numbers in any locale: paid in and earned
// make up the future value, which is the one the window shows.
void TestCli::numbersAddUp_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("lang");
    const QStringList csv = {"--format", "csv"};
    QTest::newRow("example") << kExample + csv << "C.UTF-8";
    QTest::newRow("german texts") << kExample + csv + QStringList{"--locale", "de_DE"}
                                  << "de_DE.UTF-8";
    QTest::newRow("german environment")
        << QStringList{"schedule", "--balance", "2500.75",  "--savings", "12.5",
                       "--rate",   "3.125",     "--format", "csv"}
        << "de_DE.UTF-8";
    QTest::newRow("negative balance")
        << QStringList{"schedule", "--balance", "-5000",       "--savings", "40",
                       "--rate",   "1",         "--frequency", "Daily",     "--format",
                       "csv",      "--locale",  "en_US"}
        << "C.UTF-8";
}

void TestCli::numbersAddUp() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, lang);
    const Run run = runCliProgram(arguments, lang);
    QCOMPARE(run.exitCode, 0);
    const QStringList records = QString::fromUtf8(run.out).split(QStringLiteral("\r\n"));
    QCOMPARE(records.size(), 79);
    for (const QString& record : records.mid(1, 77)) {
        const QStringList fields = csvRecord(record);
        QCOMPARE(fields.size(), 12);
        for (int i = 2; i < 7; ++i) {
            bool ok = false;
            fields[i].toDouble(&ok); // the C locale's reading
            QVERIFY2(ok, qPrintable(record));
        }
        const double value = fields[4].toDouble();
        QCOMPARE(qRound64((fields[5].toDouble() + fields[6].toDouble()) * 100),
                 qRound64(value * 100));
        // The display text holds the same amount: its digits are the number's.
        QString digits = fields[9];
        digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
        QCOMPARE(digits.toLongLong(), std::llabs(qRound64(value * 100)));
        QVERIFY(!fields[10].isEmpty() && !fields[11].isEmpty());
    }
}

void TestCli::textOutputIsAligned() {
    const Run run = runCliProgram(kExample);
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QVERIFY(lines[0].contains("120 months"));
    // Twelve grid lines of equal width, values right-aligned under their headers.
    const QList<QByteArray> grid = lines.mid(lines.size() - 12);
    for (const QByteArray& line : grid)
        QCOMPARE(line.size(), grid[1].size());
    QVERIFY(grid[0].startsWith("Savings/Rate"));
    QVERIFY(grid[1].endsWith("$19,032.71"));
    QVERIFY(grid[0].endsWith("6.75%"));
}

void TestCli::exitCodes() {
    // Values past the double range, and a rate whose growth leaves even the
    // extended range, are the arithmetic error: never a capped or empty figure.
    const QList<QStringList> overflows = {
        {"schedule", "--savings", "1e307", "--rate", "6"},
        {"schedule", "--rate", "1000", "--first", "Jan 2000", "--last", "Jan 2100"},
        {"schedule", "--rate", "1e308", "--savings", "100"},
    };
    for (const QStringList& arguments : overflows) {
        const Run overflow = runCliProgram(arguments);
        QCOMPARE(overflow.exitCode, 1);
        QVERIFY(overflow.out.isEmpty());
        QCOMPARE(overflow.err,
                 QByteArray("tallowmere-cli: Valid results cannot be calculated using the "
                            "variables you have entered.\n"));
    }

    const Run fine =
        runCliProgram({"schedule", "--rate", "1000", "--first", "Jan 2000", "--format", "json"});
    QCOMPARE(fine.exitCode, 0);
    // Growth past e^88 is shown as it is.
    const Run longTerm =
        runCliProgram({"schedule", "--balance", "1000", "--savings", "100", "--first", "Mar 2027",
                       "--last", "Mar 3800", "--rate", "5", "--locale", "en_US"});
    QCOMPARE(longTerm.exitCode, 0);
    QVERIFY2(longTerm.out.split('\n').value(3).contains(" 6.57898923E42 "), longTerm.out);

    // Output that cannot be written is a failure, not a success.
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full to write to");
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(TLMR_CLI_PATH), {"schedule", "--format", "json"});
    QVERIFY(full.waitForFinished(60000));
    QCOMPARE(full.exitCode(), 3);
    QVERIFY(full.readAllStandardError().startsWith("tallowmere-cli: cannot write the output"));
}

void TestCli::localeFromEnvironment() {
    const QStringList arguments = {"schedule", "--balance", "1000",     "--savings", "100",
                                   "--rate",   "6",         "--format", "json"};
    const Run german = runCliProgram(arguments, QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(german.exitCode, 0);
    const QJsonArray grid = QJsonDocument::fromJson(german.out).object().value("grid").toArray();
    QCOMPARE(grid[0][4].toString(), QStringLiteral("  6%"));
    QCOMPARE(grid[0][1].toString(), QStringLiteral("  5,25%"));
    QCOMPARE(grid[1][0].toString(), QStringLiteral(" 100 €"));

    // --locale wins over the environment.
    const Run us =
        runCliProgram(arguments + QStringList{"--locale", "en_US"}, QStringLiteral("de_DE.UTF-8"));
    const QJsonArray usGrid = QJsonDocument::fromJson(us.out).object().value("grid").toArray();
    QCOMPARE(usGrid[1][0].toString(), QStringLiteral(" $100"));
}

void TestCli::help() {
    // The overview: a line per command, and the way to each command's options.
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"-h"}, QStringList{"help"}}) {
        const Run run = runCliProgram(arguments);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY2(run.out.count('\n') < 25, run.out);
        for (const char* command : {"schedule", "growth", "report", "goal"})
            QVERIFY2(run.out.contains(QByteArray("\n  ") + command + ' '), command);
        QVERIFY(run.out.contains("tallowmere-cli COMMAND --help"));
        QVERIFY(!run.out.contains("--balance"));
    }
    for (const QStringList& arguments :
         {QStringList{"schedule", "--help"}, QStringList{"help", "schedule"},
          QStringList{"schedule", "--rate", "5", "-h"}}) {
        const Run run = runCliProgram(arguments);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(run.out.startsWith("Usage: tallowmere-cli schedule"));
        for (const char* option :
             {"--balance", "--savings", "--first", "--last", "--frequency", "--rate",
              "--savings-step", "--rate-step", "--locale", "--format", "--help"})
            QVERIFY2(run.out.contains(option), option);
        for (const QByteArray& line : run.out.split('\n'))
            QVERIFY2(line.size() <= 80, line.constData());
    }
    const Run unknown = runCliProgram({"help", "plan"});
    QCOMPARE(unknown.exitCode, kCliExitBadInput);
    QVERIFY(unknown.err.contains("'plan'"));
}

// Both programs answer --help and --version where no display exists.
void TestCli::informationWithoutDisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("starts");
    const QString cli = QStringLiteral(TLMR_CLI_PATH);
    const QString window = QStringLiteral(TLMR_PROGRAM_PATH);
    const QByteArray version = "(Tallowmere) " + QByteArray(ProductInfo::kVersion) + '\n';
    QTest::newRow("cli --version")
        << cli << QStringList{"--version"} << "tallowmere-cli " + version;
    QTest::newRow("cli --help") << cli << QStringList{"--help"} << QByteArray("Usage: ");
    QTest::newRow("cli report --help")
        << cli << QStringList{"report", "--help"} << QByteArray("Usage: tallowmere-cli report");
    QTest::newRow("window --version")
        << window << QStringList{"--version"} << "tallowmere " + version;
    QTest::newRow("window --help") << window << QStringList{"--help"} << QByteArray("Usage: ");
    QTest::newRow("window -h after another argument")
        << window << QStringList{"-x", "-h"} << QByteArray("Usage: tallowmere ");
}

void TestCli::informationWithoutDisplay() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, starts);
    const Run run = runProgram(program, arguments, withoutDisplay());
    QCOMPARE(run.exitCode, 0);
    // The report's fonts come from an offscreen GUI application, which may warn
    // about the session it does not have; nothing else may go to standard error.
    if (!arguments.contains(QStringLiteral("report")))
        QVERIFY2(run.err.isEmpty(), run.err.constData());
    QVERIFY2(run.out.startsWith(starts), run.out.constData());
    QVERIFY(run.out.endsWith('\n'));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
