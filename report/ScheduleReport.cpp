#include "report/ScheduleReport.h"

#include "platform/ProductInfo.h"
#include "report/TfrReport.h"

void setMemoText(TfrReport& report, const QString& name, const QString& text) {
    if (TfrView* view = report.FindView(name))
        view->Memo = QStringList{text};
}

void fillScheduleReport(TfrReport& report, const ScheduleReportTexts& texts) {
    const auto set = [&report](const char* name, const QString& text) {
        setMemoText(report, QString::fromLatin1(name), text);
    };
    set("lblReportTitle", QStringLiteral("Tallowmere Schedule"));
    set("lblHeader1", QString());
    set("lblHeader2", QString());
    set("lblURL", QString::fromLatin1(ProductInfo::kWebHomeCaption));
    set("lblApplicationTitle", QString::fromLatin1(ProductInfo::kMainCaption));
    set("lblX", QStringLiteral("Monthly Savings incremented by ") + texts.savingsIncrement);
    set("lblY", QStringLiteral("Interest Rates incremented by ") + texts.rateIncrement);
    set("lblOne", texts.balance);
    set("lblTwo", texts.savings);
    set("lblThree", texts.term + QStringLiteral(" months"));
    set("lblInterestRate", texts.rate + u'%');
    set("lblCompoundingFrequency", texts.frequency);
    set("lblFutureValue", texts.futureValue);
}
