#include "report/ScheduleTemplate.h"

#include "report/TfrReport.h"

#include <QFile>

namespace {

constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kSilver = 0x00C0C0C0;

const char kDisclaimer[] = QT_TRANSLATE_NOOP(
    "ScheduleTemplate",
    "NOTE:  Though effort was made to ensure the accuracy of these calculations, there is  NO "
    "WARRANTY,  expressed or implied, for the accuracy or applicability of this information to "
    "your particular financial question.  Please consult your own financial advisor before "
    "making any financial decision based upon these results.");

struct MemoLayout {
    const char* name;
    int left, top, width, height; // top on the sheet (band top + top in band)
    const char* text;
    int fontSize;
    std::uint16_t style;
    std::int32_t alignment;
};

struct Geometry {
    int left, top, width, height;
};

template <typename View>
View& add(TfrPage& page, const QString& name, Geometry g) {
    auto view = std::make_unique<View>();
    view->Name = name;
    view->Left = g.left;
    view->Top = g.top;
    view->Width = g.width;
    view->Height = g.height;
    View& ref = *view;
    page.Objects.push_back(std::move(view));
    return ref;
}

void addBand(TfrPage& page, const char* name, FrBandType kind, int top, int height,
             const char* dataSource = "") {
    auto& band = add<TfrBandView>(page, QString::fromLatin1(name), {0, top, 779, height});
    band.FrameTyp = static_cast<std::uint16_t>(kind);
    band.Flags = flBandOnFirstPage | flBandOnLastPage;
    band.FormatText = QString::fromLatin1(dataSource);
}

void addMemo(TfrPage& page, const MemoLayout& s) {
    auto& memo =
        add<TfrMemoView>(page, QString::fromLatin1(s.name), {s.left, s.top, s.width, s.height});
    memo.Flags = flStretched | flWordWrap | flHideZeros;
    memo.GapX = 2;
    memo.GapY = 1;
    memo.Memo = QStringList{QString::fromLatin1(s.text)};
    memo.FontSize = s.fontSize;
    memo.FontStyle = s.style;
    memo.Alignment = s.alignment;
}

void addCell(TfrPage& page, int n) {
    const QByteArray name = "Cell" + QByteArray::number(n);
    const QByteArray text = "[" + name + "]";
    addMemo(page, {name.constData(), 45 + 86 * (n - 1), 288, 86, 18, text.constData(), 8, 0,
                   frtaCenter | frtaMiddle});
    auto& cell = static_cast<TfrMemoView&>(*page.Objects.back());
    cell.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    cell.FrameWidth = 1;
    cell.FrameColor = kSilver;
}

void addLine(TfrPage& page, const char* name, int top) {
    auto& line = add<TfrLineView>(page, QString::fromLatin1(name), {33, top, 712, 0});
    line.FrameTyp = frftTop;
    line.FrameWidth = 1.5;
    line.FrameColor = kBlack;
    line.Flags = flStretched;
}

} // namespace

void buildScheduleTemplate(TfrReport& report) {
    report.Clear();
    report.PrinterName = QStringLiteral("Optra N - Business Office");
    report.PrintToDefault = false;
    auto page = std::make_unique<TfrPage>();
    page->Name = QStringLiteral("Page1");
    TfrPage& p = *page;
    report.Pages.push_back(std::move(page));

    const std::uint16_t bold = fsBold;
    // Sheet tops: report title band at 56, master data at 288, page footer at 884.
    const MemoLayout title[] = {
        {"lblReportTitle", 45, 60, 689, 30, "lblReportTitle", 16, bold, frtaLeft},
        {"lblHeader1", 45, 91, 689, 18, "lblHeader1", 12, fsBold | fsItalic, frtaLeft},
        {"lblHeader2", 45, 110, 689, 18, "lblHeader2", 10, bold, frtaRight},
        {"lbl1", 55, 143, 119, 18, QT_TRANSLATE_NOOP("ScheduleTemplate", "Initial Balance:"), 10, 0,
         frtaRight},
        {"lbl2", 55, 167, 119, 18, QT_TRANSLATE_NOOP("ScheduleTemplate", "Monthly Savings:"), 10, 0,
         frtaRight},
        {"lbl3", 55, 191, 119, 18, QT_TRANSLATE_NOOP("ScheduleTemplate", "Term:"), 10, 0,
         frtaRight},
        {"lblOne", 182, 143, 128, 18, "lblOne", 10, bold, frtaLeft},
        {"lblTwo", 182, 167, 128, 18, "lblTwo", 10, bold, frtaLeft},
        {"lblThree", 182, 191, 128, 18, "lblThree", 10, bold, frtaLeft},
        {"lblInterestRate", 595, 143, 128, 18, "lblInterestRate", 10, bold, frtaLeft},
        {"Memo5", 459, 143, 128, 18, QT_TRANSLATE_NOOP("ScheduleTemplate", "Interest Rate:"), 10, 0,
         frtaRight},
        {"Memo6", 411, 167, 176, 18,
         QT_TRANSLATE_NOOP("ScheduleTemplate", "Compounding Frequency:"), 10, 0, frtaRight},
        {"lblCompoundingFrequency", 595, 167, 128, 18, "lblCompoundingFrequency", 10, bold,
         frtaLeft},
        {"lblURL", 432, 888, 312, 18, "lblURL", 8, 0, frtaRight},
        {"lblApplicationTitle", 32, 888, 352, 18, "lblApplicationTitle", 8, 0, frtaLeft},
        {"lblDisclaimer", 32, 912, 712, 46, kDisclaimer, 8, 0, frtaLeft},
        {"Memo1", 459, 191, 128, 18, QT_TRANSLATE_NOOP("ScheduleTemplate", "Future Value:"), 10, 0,
         frtaRight},
        {"lblFutureValue", 595, 191, 128, 18, "lblFutureValue", 10, bold, frtaLeft},
        {"lblX", 55, 234, 299, 18, "lblX", 8, 0, frtaCenter},
        {"lblY", 424, 234, 299, 18, "lblY", 8, 0, frtaCenter},
    };

    addBand(p, "MasterData1", FrBandType::MasterData, 288, 18, "Dataset");
    addBand(p, "ReportTitle1", FrBandType::ReportTitle, 56, 206);
    addBand(p, "PageFooter1", FrBandType::PageFooter, 884, 74);
    for (int n = 1; n <= 5; ++n)
        addCell(p, n);
    addMemo(p, title[0]);
    for (int n = 6; n <= 8; ++n)
        addCell(p, n);
    addMemo(p, title[1]);
    addMemo(p, title[2]);
    addLine(p, "Line1", 56 + 76);
    addLine(p, "Line2", 56 + 165);
    for (int i = 3; i <= 12; ++i)
        addMemo(p, title[i]);
    addLine(p, "Line3", 884);
    for (int i = 13; i < 20; ++i)
        addMemo(p, title[i]);
}

QByteArray scheduleTemplateResource() {
    Q_INIT_RESOURCE(report);
    QFile file(QStringLiteral(":/report/schedule.frf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
