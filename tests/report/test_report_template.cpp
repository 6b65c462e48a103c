#include "report/ReportStream.h"
#include "report/ScheduleTemplate.h"
#include "report/TfrReport.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace {

const QStringList kStoredOrder = {"MasterData1",
                                  "ReportTitle1",
                                  "PageFooter1",
                                  "Cell1",
                                  "Cell2",
                                  "Cell3",
                                  "Cell4",
                                  "Cell5",
                                  "lblReportTitle",
                                  "Cell6",
                                  "Cell7",
                                  "Cell8",
                                  "lblHeader1",
                                  "lblHeader2",
                                  "Line1",
                                  "Line2",
                                  "lbl1",
                                  "lbl2",
                                  "lbl3",
                                  "lblOne",
                                  "lblTwo",
                                  "lblThree",
                                  "lblInterestRate",
                                  "Memo5",
                                  "Memo6",
                                  "lblCompoundingFrequency",
                                  "Line3",
                                  "lblURL",
                                  "lblApplicationTitle",
                                  "lblDisclaimer",
                                  "Memo1",
                                  "lblFutureValue",
                                  "lblX",
                                  "lblY"};

QStringList objectNames(const TfrReport& report) {
    QStringList names;
    for (const auto& page : report.Pages)
        for (const auto& view : page->Objects)
            names << view->Name;
    return names;
}

QByteArray templateStream() {
    TfrReport report;
    buildScheduleTemplate(report);
    return writeReportStream(report);
}

// Start of the object record named `name` (tag, page, next offset, then the
// name as a length-prefixed string).
qsizetype recordOf(const QByteArray& stream, const QByteArray& name) {
    QByteArray key(2, '\0');
    qToLittleEndian<quint16>(quint16(name.size()), key.data());
    return stream.indexOf(key + name) - 6;
}

qsizetype firstObjectOffset(const QByteArray& stream) {
    return recordOf(stream, "MasterData1");
}

} // namespace

class TestReportTemplate : public QObject {
    Q_OBJECT

private slots:
    void storedResourceIsTheWrittenTemplate();
    void readBackKeepsEveryValueAndOrder();
    void findViewIgnoresCase();
    void failureRules_data();
    void failureRules();
    void damagedStreams_data();
    void damagedStreams();
};

void TestReportTemplate::storedResourceIsTheWrittenTemplate() {
    TfrReport report;
    buildScheduleTemplate(report);
    const QByteArray written = writeReport(report);
    if (qEnvironmentVariableIsSet("TLMR_WRITE_TEMPLATE")) {
        QFile out(QStringLiteral(TLMR_TEMPLATE_SOURCE));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(written);
    }
    QCOMPARE(scheduleTemplateResource(), written);
    // With every open value empty the stream is 4897 bytes; the page's name
    // "Page1" adds five.
    QCOMPARE(qFromLittleEndian<qint32>(written.constData() + 4), 4902);
    QCOMPARE(written.size(), 4902 + 8);

    // Every next-record offset is the end of its record's body.
    const QByteArray stream = written.mid(8);
    qsizetype at = firstObjectOffset(stream);
    for (int i = 0; i < kStoredOrder.size(); ++i) {
        QVERIFY(at > 0 && at < stream.size());
        at = qFromLittleEndian<qint32>(stream.constData() + at + 2);
    }
    QCOMPARE(stream.at(at), char(254)); // the dictionary follows the last object
    QCOMPARE(stream.size() - at, 15);
}

void TestReportTemplate::readBackKeepsEveryValueAndOrder() {
    TfrReport report;
    QCOMPARE(readReport(scheduleTemplateResource(), report), ReportReadResult::Ok);
    QCOMPARE(writeReportStream(report), templateStream());
    QCOMPARE(objectNames(report), kStoredOrder);
    QCOMPARE(report.PrinterName, QStringLiteral("Optra N - Business Office"));
    QVERIFY(!report.PrintToDefault);

    const TfrPage& page = *report.Pages.at(0);
    QCOMPARE(page.widthInUnits(), 779);
    QCOMPARE(page.heightInUnits(), 1008);
    QVERIFY(page.StretchToPrintable);
    QCOMPARE(page.Bin, 65535);

    const auto& master = static_cast<const TfrBandView&>(*report.FindView("MasterData1"));
    QCOMPARE(master.bandType(), FrBandType::MasterData);
    QCOMPARE(master.DataSource(), QStringLiteral("Dataset"));
    QCOMPARE(master.Top, 288);
    QCOMPARE(master.Flags, std::uint16_t(flBandOnFirstPage | flBandOnLastPage));
    QCOMPARE(master.ColumnWidth, 200);

    const auto& cell = static_cast<const TfrMemoView&>(*report.FindView("Cell8"));
    QCOMPARE(cell.Left, 647);
    QCOMPARE(cell.Memo, QStringList{"[Cell8]"});
    QCOMPARE(cell.FrameTyp, std::uint16_t(15));
    QCOMPARE(cell.FrameColor, 0xC0C0C0);
    QCOMPARE(cell.Alignment, frtaCenter | frtaMiddle);
    QCOMPARE(cell.Flags, std::uint16_t(flStretched | flWordWrap | flHideZeros));

    const auto& title = static_cast<const TfrMemoView&>(*report.FindView("lblHeader1"));
    QCOMPARE(title.FontSize, 12);
    QCOMPARE(title.FontStyle, std::uint16_t(fsBold | fsItalic));
    QCOMPARE(title.Top, 56 + 35);

    const TfrView& line = *report.FindView("Line3");
    QCOMPARE(line.type(), FrObjectType::Line);
    QCOMPARE(line.FrameWidth, 1.5);
    QCOMPARE(line.FrameTyp, std::uint16_t(frftTop));
    QVERIFY(static_cast<const TfrMemoView&>(*report.FindView("lblDisclaimer"))
                .Memo.at(0)
                .contains("there is  NO WARRANTY,  expressed"));
}

void TestReportTemplate::findViewIgnoresCase() {
    TfrReport report;
    buildScheduleTemplate(report);
    QVERIFY(report.FindView("lblurl"));
    QCOMPARE(report.FindView("lblurl")->Name, QStringLiteral("lblURL"));
    QVERIFY(!report.FindView("lblNowhere"));
}

// A stream edited by `edit`, the result it must give, the objects it keeps
// and a check on the first memo's frame width (0 = not checked).
void TestReportTemplate::failureRules_data() {
    using Edit = std::function<void(QByteArray&)>;
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<ReportReadResult>("result");
    QTest::addColumn<int>("objects");
    QTest::addColumn<double>("cell1FrameWidth");
    // After tag, page, offset (6), the name (8), version (2), geometry (16),
    // flags and frame sides (4).
    const auto frameWidthAt = [](QByteArray& s) { return recordOf(s, "Cell1") + 36; };
    QTest::newRow("as written") << Edit([](QByteArray&) {}) << ReportReadResult::Ok << 34 << 1.0;
    QTest::newRow("version 21") << Edit([](QByteArray& s) { s[0] = 21; }) << ReportReadResult::Ok
                                << 34 << 0.0;
    QTest::newRow("version 25") << Edit([](QByteArray& s) { s[0] = 25; })
                                << ReportReadResult::Unsupported << -1 << 0.0;
    QTest::newRow("frame width stored whole")
        << Edit([=](QByteArray& s) { qToLittleEndian<qint32>(1, s.data() + frameWidthAt(s)); })
        << ReportReadResult::Ok << 34 << 1.0;
    QTest::newRow("frame width 1500")
        << Edit([=](QByteArray& s) { qToLittleEndian<qint32>(1500, s.data() + frameWidthAt(s)); })
        << ReportReadResult::Ok << 34 << 1.5;
    QTest::newRow("thinnest frame written reads back") << Edit([](QByteArray& s) {
        TfrReport report;
        readReportStream(s, report);
        report.FindView("Cell1")->FrameWidth = 0.005;
        s = writeReportStream(report);
    }) << ReportReadResult::Ok << 34 << 0.011;
    QTest::newRow("unknown record tag")
        << Edit([](QByteArray& s) { s[firstObjectOffset(s)] = char(11); })
        << ReportReadResult::ReadError << 0 << 0.0;
    QTest::newRow("failure inside an object skips it") << Edit([](QByteArray& s) {
        // The first object's name claims more bytes than its record has.
        const qsizetype at = firstObjectOffset(s) + 6;
        qToLittleEndian<quint16>(5000, s.data() + at);
    }) << ReportReadResult::Ok << 33 << 1.0;
    QTest::newRow("next record behind its own start") << Edit([](QByteArray& s) {
        qToLittleEndian<qint32>(3, s.data() + firstObjectOffset(s) + 2);
    }) << ReportReadResult::ReadError << 0 << 0.0;
}

void TestReportTemplate::failureRules() {
    using Edit = std::function<void(QByteArray&)>;
    QFETCH(Edit, edit);
    QFETCH(ReportReadResult, result);
    QFETCH(int, objects);
    QFETCH(double, cell1FrameWidth);
    QByteArray stream = templateStream();
    edit(stream);
    TfrReport report;
    report.PrinterName = QStringLiteral("before");
    QCOMPARE(readReportStream(stream, report), result);
    if (result == ReportReadResult::Unsupported) {
        QCOMPARE(report.PrinterName, QStringLiteral("before")); // nothing loaded
        QVERIFY(report.Pages.empty());
        return;
    }
    QCOMPARE(report.Pages.size(), std::size_t(1));
    QCOMPARE(objectNames(report).size(), objects);
    if (cell1FrameWidth > 0)
        QCOMPARE(report.FindView("Cell1")->FrameWidth, cell1FrameWidth);
}

// Cut and flipped streams must end in Ok (records read to a clean cut, in
// their stored order) or in the read error with one empty page.
void TestReportTemplate::damagedStreams_data() {
    QTest::addColumn<QList<QByteArray>>("streams");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<bool>("cleanCut"); // what is read is a prefix of the stored objects
    const QByteArray stream = templateStream();
    QList<QByteArray> truncated, flipped, wrappers, noise;
    for (qsizetype n = 0; n < stream.size(); ++n) {
        truncated << stream.left(n);
        QByteArray f = stream;
        f[n] = char(f[n] ^ 0xFF);
        flipped << f;
    }
    TfrReport built;
    buildScheduleTemplate(built);
    const QByteArray whole = writeReport(built);
    for (qsizetype n = 0; n < whole.size(); n += 7)
        wrappers << whole.left(n);
    QByteArray huge = whole;
    qToLittleEndian<qint32>(0x7FFFFFFF, huge.data() + 4);
    wrappers << huge;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 500; ++i) {
        QByteArray bytes = stream;
        for (int k = 0; k < 8; ++k) {
            seed = seed * 1664525u + 1013904223u;
            bytes[qsizetype(seed % std::uint32_t(bytes.size()))] = char(seed >> 24);
        }
        noise << bytes;
    }
    QTest::newRow("truncated at every offset") << truncated << false << true;
    QTest::newRow("each byte flipped") << flipped << false << false;
    QTest::newRow("random bytes overwritten") << noise << false << false;
    QTest::newRow("wrapper cut or lying about its length") << wrappers << true << true;
}

void TestReportTemplate::damagedStreams() {
    QFETCH(QList<QByteArray>, streams);
    QFETCH(bool, wrapped);
    QFETCH(bool, cleanCut);
    int failures = 0;
    for (const QByteArray& bytes : streams) {
        TfrReport report;
        const ReportReadResult result =
            wrapped ? readReport(bytes, report) : readReportStream(bytes, report);
        const QStringList names = objectNames(report);
        if (result == ReportReadResult::ReadError) {
            ++failures;
            QCOMPARE(report.Pages.size(), std::size_t(1));
            QVERIFY(names.isEmpty());
        } else if (cleanCut) {
            QCOMPARE(result, ReportReadResult::Ok);
            QCOMPARE(names, kStoredOrder.mid(0, names.size()));
        } else {
            // Each object takes at least 60 bytes of the input.
            QVERIFY(names.size() <= bytes.size() / 60);
        }
    }
    QVERIFY(failures > 0);
}

QTEST_GUILESS_MAIN(TestReportTemplate)
#include "test_report_template.moc"
