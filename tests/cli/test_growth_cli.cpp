#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CliRun.h"

namespace {

using Run = CliRun;

// tallowmere-cli growth with `arguments`, run as a program.
Run growth(const QStringList& arguments) {
    return runCli(QStringLiteral("growth"), arguments);
}

// The schedule's example: balance 1000, savings 100 (step $25), Jan 2000 to Jan 2010, 6 %.
const QStringList kExample = {"--balance", "1000",   "--savings",      "100",    "--first",
                              "Jan 2000",  "--last", "Jan 2010",       "--rate", "6",
                              "--locale",  "en_US",  "--savings-step", "1"};

} // namespace

class TestGrowthCli : public QObject {
    Q_OBJECT

private slots:
    void formats();
    void anyCellAsJson();
    void badInput_data();
    void badInput();
    void otherOutcomes();
};

void TestGrowthCli::formats() {
    const Run csv = growth(kExample + QStringList{"--format", "csv"});
    QCOMPARE(csv.exitCode, 0);
    const QList<QByteArray> records = csv.out.split('\n');
    QCOMPARE(records.size(), 12); // titles, ten years, the end of the last record
    QCOMPARE(records[0], QByteArray("Months,Date,Paid In,Earned,Balance\r"));
    QCOMPARE(records[1], QByteArray("12,Jan 2001,\"$2,200.00\",$95.23,\"$2,295.23\"\r"));
    QCOMPARE(records[10], QByteArray("120,Jan 2010,\"$13,000.00\",\"$5,207.33\",\"$18,207.33\"\r"));

    const QList<QByteArray> lines = growth(kExample).out.trimmed().split('\n');
    QCOMPARE(lines[0],
             QByteArray("$100.00 a month at 6% a year, compounded monthly, from Jan 2000 "
                        "to Jan 2010 (120 months), with an initial balance of $1,000.00"));
    QCOMPARE(lines.size(), 13); // heading, blank line, titles, ten rows, all of one width
    for (const QByteArray& line : lines.mid(2))
        QCOMPARE(line.size(), lines[2].size());
    QVERIFY(lines[12].endsWith(" 120  Jan 2010  $13,000.00  $5,207.33  $18,207.33"));
}

void TestGrowthCli::anyCellAsJson() {
    // Column 7 (6.75 %), row 11 ($350); --name=value works too.
    const Run run = growth(kExample + QStringList{"--column=7", "--row", "11", "--format", "json"});
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(object.value("rate").toDouble(), 6.75);
    QCOMPARE(object.value("savings").toDouble(), 350.0);
    const QJsonArray rows = object.value("rows").toArray();
    QCOMPARE(rows.size(), 10);
    const QJsonObject last = rows.last().toObject();
    QCOMPARE(last.value("paidIn").toDouble(), 1000 + 120 * 350.0);
    QCOMPARE(last.value("texts").toArray().last().toString(), QStringLiteral("$61,713.68"));
    QVERIFY(object.value("message").isNull());

    const Run empty = growth({"--last", "Jan 2001", "--format", "json"});
    const QJsonObject none = QJsonDocument::fromJson(empty.out).object();
    QVERIFY(none.value("rows").toArray().isEmpty());
    QVERIFY(none.value("message").toString().contains("term is 0 months"));
}

void TestGrowthCli::badInput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("column 0") << QStringList{"--column", "0"} << "1 to 7";
    QTest::newRow("row 12") << QStringList{"--row=12"} << "1 to 11";
    QTest::newRow("missing value") << QStringList{"--rate", "6", "--row"} << "--row needs";
    QTest::newRow("value, not name")
        << QStringList{"--rate", "--column", "3"} << "--rate needs a value";
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << "--column, --row,";
    QTest::newRow("schedule's rules") << QStringList{"--first", "jan 2000"} << "Dec";
}

void TestGrowthCli::badInput() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    const Run run = growth(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(mentions.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
}

void TestGrowthCli::otherOutcomes() {
    const Run failed = growth({"--savings", "1e307", "--rate", "6"});
    QCOMPARE(failed.exitCode, 1);
    QVERIFY(failed.out.isEmpty() && failed.err.contains("Valid results cannot be calculated"));

    const Run empty = growth({"--first", "Mar 2001", "--last", "Feb 2001"});
    QCOMPARE(empty.exitCode, 0);
    QVERIFY(empty.out.endsWith("\n\nNo growth to show: the term is -1 months. Choose a last "
                               "month after the first.\n"));

    const Run help = growth({"--rate", "5", "--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: tallowmere-cli growth") && help.out.contains("--row"));
}

QTEST_GUILESS_MAIN(TestGrowthCli)
#include "test_growth_cli.moc"
