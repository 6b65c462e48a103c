#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

// tallowmere-cli growth as a black box.
namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run growth(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TLMR_CLI_PATH), QStringList{QStringLiteral("growth")} + arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The schedule's example: balance 1000, savings 100, Jan 2000 to Jan 2010, 6 %.
const QStringList kExample = {"--balance",      "1000",   "--savings", "100",    "--first",
                              "Jan 2000",       "--last", "Jan 2010",  "--rate", "6",
                              "--savings-step", "1",      "--locale",  "en_US"};

} // namespace

class TestGrowthCli : public QObject {
    Q_OBJECT

private slots:
    void csvRowsOfTheBaseCell();
    void anyCellAsJson();
    void textIsAligned();
    void noRowsIsNoError();
    void badInput_data();
    void badInput();
    void arithmeticFailure();
    void help();
};

void TestGrowthCli::csvRowsOfTheBaseCell() {
    const Run run = growth(kExample + QStringList{"--format", "csv"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QList<QByteArray> records = run.out.split('\n');
    QCOMPARE(records.size(), 12); // titles, ten years, the end of the last record
    QCOMPARE(records[0], QByteArray("Months,Date,Paid In,Earned,Balance\r"));
    QCOMPARE(records[1], QByteArray("12,Jan 2001,\"$2,200.00\",$95.23,\"$2,295.23\"\r"));
    QCOMPARE(records[10], QByteArray("120,Jan 2010,\"$13,000.00\",\"$5,207.33\",\"$18,207.33\"\r"));
}

void TestGrowthCli::anyCellAsJson() {
    // Column 7 (6.75 %), row 11 ($350), a broken last year; --name=value works too.
    const Run run = growth(kExample + QStringList{"--last", "Jul 2010", "--column=7", "--row", "11",
                                                  "--format", "json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(object.value("column").toInt(), 7);
    QCOMPARE(object.value("row").toInt(), 11);
    QCOMPARE(object.value("term").toInt(), 126);
    QCOMPARE(object.value("rate").toDouble(), 6.75);
    QCOMPARE(object.value("savings").toDouble(), 350.0);
    QVERIFY(object.value("message").isNull());
    const QJsonArray rows = object.value("rows").toArray();
    QCOMPARE(rows.size(), 11);
    const QJsonObject last = rows.last().toObject();
    QCOMPARE(last.value("months").toInt(), 126);
    QCOMPARE(last.value("date").toString(), QStringLiteral("Jul 2010"));
    QCOMPARE(last.value("paidIn").toDouble(), 1000 + 126 * 350.0);
    QCOMPARE(last.value("earned").toDouble(),
             last.value("balance").toDouble() - last.value("paidIn").toDouble());

    // Without --last Jul, the cell the schedule's example names.
    const Run cell =
        growth(kExample + QStringList{"--column", "7", "--row", "11", "--format", "json"});
    const QJsonArray texts =
        QJsonDocument::fromJson(cell.out)["rows"].toArray().last()["texts"].toArray();
    QCOMPARE(texts.last().toString(), QStringLiteral("$61,713.68"));
}

void TestGrowthCli::textIsAligned() {
    const Run run = growth(kExample);
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines[0],
             QByteArray("$100.00 a month at 6% a year, compounded monthly, from Jan 2000 "
                        "to Jan 2010 (120 months), with an initial balance of $1,000.00"));
    const QList<QByteArray> table = lines.mid(2);
    QCOMPARE(table.size(), 11);
    for (const QByteArray& line : table)
        QCOMPARE(line.size(), table[0].size());
    QVERIFY(table[0].endsWith("Balance"));
    QVERIFY(table[10].endsWith("$18,207.33"));
}

void TestGrowthCli::noRowsIsNoError() {
    const Run text = growth({"--first", "Mar 2001", "--last", "Feb 2001"});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.endsWith("\n\nNo growth to show: the term is -1 months. Choose a last month "
                              "after the first.\n"));
    const Run json = growth({"--first", "Jan 2001", "--last", "Jan 2001", "--format", "json"});
    QCOMPARE(json.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    QVERIFY(object.value("rows").toArray().isEmpty());
    QVERIFY(object.value("message").toString().contains("term is 0 months"));
}

void TestGrowthCli::badInput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("column 0") << QStringList{"--column", "0"} << "1 to 7";
    QTest::newRow("column 8") << QStringList{"--column=8"} << "1 to 7";
    QTest::newRow("row 12") << QStringList{"--row", "12"} << "1 to 11";
    QTest::newRow("row not whole") << QStringList{"--row", "1.5"} << "1 to 11";
    QTest::newRow("row missing value") << QStringList{"--rate", "6", "--row"} << "--row needs";
    QTest::newRow("option value is no name")
        << QStringList{"--rate", "--column", "3"} << "'--column' is not a number";
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

void TestGrowthCli::arithmeticFailure() {
    const Run run = growth({"--savings", "1e307", "--rate", "6"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains("Valid results cannot be calculated"));
}

void TestGrowthCli::help() {
    const Run run = growth({"--rate", "5", "--help"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("Usage: tallowmere-cli growth"));
    QVERIFY(run.out.contains("--column") && run.out.contains("--row"));
}

QTEST_GUILESS_MAIN(TestGrowthCli)
#include "test_growth_cli.moc"
