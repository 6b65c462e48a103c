#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CliRun.h"

namespace {

using Run = CliRun;

// tallowmere-cli goal with `arguments`, run as a program.
Run goal(const QStringList& arguments) {
    return runCli(QStringLiteral("goal"), arguments);
}

// The schedule's example with a target of $20,000.
const QStringList kExample = {"--balance", "1000",   "--savings", "100",    "--first",
                              "Jan 2000",  "--last", "Jan 2010",  "--rate", "6",
                              "--locale",  "en_US",  "--target",  "20000"};

} // namespace

class TestGoalCli : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void outcomes_data();
    void outcomes();
    void help();
};

void TestGoalCli::formats_data() {
    QTest::addColumn<QString>("solve");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("value");
    QTest::newRow("savings") << "savings"
                             << QByteArray("Monthly savings to reach $20,000.00: $110.94\n"
                                           "Future value: $20,000.17\n")
                             << QByteArray("savings,20000.00,$110.94,110.94,20000.17\r\n")
                             << "$110.94" << 110.94;
    QTest::newRow("balance") << "balance"
                             << QByteArray("Initial balance to reach $20,000.00: $1,985.31\n"
                                           "Future value: $20,000.00\n")
                             << QByteArray("balance,20000.00,\"$1,985.31\",1985.31,20000.00\r\n")
                             << "$1,985.31" << 1985.31;
    QTest::newRow("term") << "term"
                          << QByteArray("Last month to reach $20,000.00: Nov 2010 (130 months)\n"
                                        "Future value: $20,161.26\n")
                          << QByteArray("term,20000.00,Nov 2010,130,20161.26\r\n") << "Nov 2010"
                          << 130.0;
    QTest::newRow("rate") << "rate"
                          << QByteArray("Interest rate to reach $20,000.00: 7.580%\n"
                                        "Future value: $20,001.05\n")
                          << QByteArray("rate,20000.00,7.580%,7.580,20001.05\r\n") << "7.580%"
                          << 7.58;
}

void TestGoalCli::formats() {
    QFETCH(QString, solve);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, csv);
    QFETCH(QString, answer);
    QFETCH(double, value);
    const QStringList arguments = kExample + QStringList{"--solve", solve};

    const Run asText = goal(arguments);
    QCOMPARE(asText.exitCode, 0);
    QVERIFY(asText.err.isEmpty());
    QCOMPARE(asText.out, text);

    const Run asCsv = goal(arguments + QStringList{"--format", "csv"});
    QCOMPARE(asCsv.out, "solve,target,answer,value,futureValue\r\n" + csv);

    const Run asJson = goal(arguments + QStringList{"--format=json"});
    QCOMPARE(asJson.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(asJson.out).object();
    QCOMPARE(object.value("solve").toString(), solve);
    QCOMPARE(object.value("target").toDouble(), 20000.0);
    QCOMPARE(object.value("targetText").toString(), QStringLiteral("$20,000.00"));
    QCOMPARE(object.value("answer").toString(), answer);
    QCOMPARE(object.value("value").toDouble(), value);
    QVERIFY(object.value("futureValue").toDouble() >= 20000.0);
    QCOMPARE(object.contains("lastYear"), solve == QLatin1String("term"));
}

void TestGoalCli::outcomes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("err");
    QTest::newRow("unreachable")
        << (kExample + QStringList{"--solve", "savings", "--target", "1500"}) << 4
        << QByteArray("The initial balance alone reaches the goal; no monthly saving is needed.");
    QTest::newRow("not by 9999") << QStringList{"--target", "1e9", "--solve", "term"} << 4
                                 << QByteArray("The goal is not reached by Dec 9999.");
    QTest::newRow("incalculable") << QStringList{"--target", "5",      "--solve",
                                                 "savings",  "--rate", "1e308"}
                                  << 1 << QByteArray("Valid results cannot be calculated");
    QTest::newRow("no target") << QStringList{"--solve", "rate"} << 2
                               << QByteArray("--target is required");
    QTest::newRow("target of zero") << QStringList{"--solve", "rate", "--target", "0"} << 2
                                    << QByteArray("'0' is not an amount above zero");
    QTest::newRow("target not a number")
        << QStringList{"--solve", "rate", "--target", "lots"} << 2 << QByteArray("'lots'");
    QTest::newRow("no solve") << QStringList{"--target", "5"} << 2
                              << QByteArray("savings|balance|term|rate");
    QTest::newRow("unknown solve")
        << QStringList{"--target", "5", "--solve", "years"} << 2 << QByteArray("'years'");
    QTest::newRow("bad schedule option")
        << QStringList{"--target", "5", "--solve", "rate", "--format", "xml"} << 2
        << QByteArray("--format");
}

void TestGoalCli::outcomes() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);
    const Run run = goal(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("tallowmere-cli: ") && run.err.contains(err), run.err);
    QCOMPARE(run.err.count('\n'), 1);
}

void TestGoalCli::help() {
    const Run run = goal({"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char* option : {"--target", "--solve", "--balance", "--format", "--locale"})
        QVERIFY2(run.out.contains(option), option);
    QVERIFY(run.out.contains("4 the goal cannot be reached"));
    for (const QByteArray& line : run.out.split('\n'))
        QVERIFY2(line.size() <= 80, line.constData());
}

QTEST_GUILESS_MAIN(TestGoalCli)
#include "test_goal_cli.moc"
