#pragma once

#include <QString>
#include <QVector>

// The maker's web pages and mail boxes behind the Online and Help menus, each
// carried by a hidden hyperlink label of the main window.
struct LinkTarget {
    QString objectName; // UrlCalcSite, UrlBrindlecrest, ...
    QString address;
};

const QVector<LinkTarget>& mainWindowLinks();
