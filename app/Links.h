#pragma once

#include <QString>
#include <QVector>

// The maker's web pages and mail boxes behind the Online and Help menus, each
// carried by a hidden hyperlink label of the main window.
enum class Link {
    CalcSite,
    WebHome,
    Freeware,
    Suggest,
    EmailSuggest,
    EmailSupport,
    Product1, // then the other three products in order
};

struct LinkTarget {
    QString objectName; // UrlCalcSite, UrlBrindlecrest, ...
    QString address;
};

// Every link in the order of Link, the four products last.
const QVector<LinkTarget>& mainWindowLinks();
const LinkTarget& linkTarget(Link link);
// The link of the maker's other product number `index` (0 to 3).
Link productLink(int index);
