#include "report/TfrReport.h"

#include "report/PreparedReport.h"

TfrReport::TfrReport(QObject* parent)
    : QObject(parent)
    , m_prepared(std::make_unique<PreparedReport>()) {}

TfrReport::~TfrReport() = default;

TfrView* TfrReport::FindView(const QString& name) const {
    for (const auto& page : Pages)
        for (const auto& view : page->Objects)
            if (view->Name.compare(name, Qt::CaseInsensitive) == 0)
                return view.get();
    return nullptr;
}

void TfrReport::Clear() {
    Pages.clear();
}

void TfrReport::PrepareReport() {
    *m_prepared = prepareReport(*this);
}
