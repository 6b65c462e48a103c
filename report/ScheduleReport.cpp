#include "report/ScheduleReport.h"

#include "calc/NumberFormat.h"
#include "calc/Steps.h"
#include "platform/ProductInfo.h"
#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

#include <QCoreApplication>
#include <memory>

void setMemoText(TfrReport& report, const QString& name, const QString& text) {
    if (TfrView* view = report.FindView(name))
        view->Memo = QStringList{text};
}

namespace {

// The title the report prints on top, and the PDF's document title.
QString reportTitle() {
    return QCoreApplication::translate("ScheduleReport", "%1 Schedule")
        .arg(QString::fromLatin1(ProductInfo::kTitle));
}

void setScheduleTexts(TfrReport& report, const ScheduleSnapshot& snapshot,
                      const RegionalSettings& regional) {
    const ScheduleInputs& in = snapshot.inputs;
    const auto set = [&report](const char* name, const QString& text) {
        setMemoText(report, QString::fromLatin1(name), text);
    };
    set("lblReportTitle", reportTitle());
    set("lblHeader1", QString());
    set("lblHeader2", QString());
    set("lblURL", QString::fromLatin1(ProductInfo::kWebHomeCaption));
    set("lblApplicationTitle", QString::fromLatin1(ProductInfo::kMainCaption));
    // The step caption table writes dollars; the page's money is regional.
    set("lblX", QCoreApplication::translate("ScheduleReport", "Monthly Savings incremented by ") +
                    formatCurrency(savingsStep(in.savingsStepIndex).amount, 10, 0, regional));
    set("lblY", QCoreApplication::translate("ScheduleReport", "Interest Rates incremented by ") +
                    snapshot.strRateIncrement);
    set("lblOne", formatCurrency(in.balance, 10, 2, regional));
    set("lblTwo", formatCurrency(in.savings, 10, 2, regional));
    set("lblThree", formatGeneral(snapshot.term, 15, regional) +
                        QCoreApplication::translate("ScheduleReport", " months"));
    set("lblInterestRate", formatGeneral(in.rate, 15, regional) + u'%');
    set("lblCompoundingFrequency", in.frequency);
    set("lblFutureValue", snapshot.baseCell());
    // The stored layout's fixed captions, in the user's language.
    for (const char* name : {"lbl1", "lbl2", "lbl3", "Memo5", "Memo6", "Memo1", "lblDisclaimer"}) {
        TfrView* view = report.FindView(QString::fromLatin1(name));
        if (view && view->Memo.size() == 1)
            view->Memo.front() = QCoreApplication::translate(
                "ScheduleTemplate", view->Memo.front().toUtf8().constData());
    }
}

} // namespace

void fillScheduleReport(TfrReport& report, TfrUserDataset& dataset,
                        const ScheduleSnapshot& snapshot, const RegionalSettings& regional) {
    setScheduleTexts(report, snapshot, regional);
    report.DocumentTitle = reportTitle();
    report.Creator = QString::fromLatin1(ProductInfo::kTitle) + u' ' +
                     QString::fromLatin1(ProductInfo::kVersion);

    // The report keeps its own copy of the grid, so that preparing the pages
    // again (from the preview's print dialog) needs nothing of the caller.
    const auto cells = std::make_shared<const decltype(snapshot.cells)>(snapshot.cells);
    const int rows = int(cells->size());
    report.Dataset = &dataset;
    dataset.OnCheckEOF = [&dataset, rows](QObject*, bool& eof) {
        eof = dataset.RecordIndex >= rows;
    };
    report.OnGetValue = [&dataset, cells, rows](const QString& name, QVariant& value) {
        const int row = dataset.RecordIndex;
        for (int n = 1; n <= kGridColumns; ++n) {
            if (name.compare(QStringLiteral("Cell%1").arg(n), Qt::CaseInsensitive) == 0) {
                if (row >= 0 && row < rows)
                    value = (*cells)[std::size_t(row)][std::size_t(n - 1)];
                return;
            }
        }
    };
}
