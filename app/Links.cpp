#include "app/Links.h"

#include "platform/ProductInfo.h"

const QVector<LinkTarget>& mainWindowLinks() {
    using namespace ProductInfo;
    static const QVector<LinkTarget> links = [] {
        QVector<LinkTarget> list{
            {QStringLiteral("UrlCalcSite"), QLatin1String(kCalcSite)},
            {QStringLiteral("UrlBrindlecrest"), QLatin1String(kWebHome)},
            {QStringLiteral("UrlFreeware"), QLatin1String(kWebFreeware)},
            {QStringLiteral("UrlSuggest"), QLatin1String(kWebSuggest)},
            {QStringLiteral("UrlEmailSuggest"), QLatin1String(kEmailSuggest)},
            {QStringLiteral("UrlEmailSupport"), QLatin1String(kEmailSupport)},
        };
        for (int i = 0; i < 4; ++i)
            list.append({QStringLiteral("UrlProduct%1").arg(i + 1),
                         QLatin1String(kOtherProducts[i].address)});
        return list;
    }();
    return links;
}

const LinkTarget& linkTarget(Link link) {
    return mainWindowLinks().at(static_cast<int>(link));
}

Link productLink(int index) {
    return static_cast<Link>(static_cast<int>(Link::Product1) + index);
}
