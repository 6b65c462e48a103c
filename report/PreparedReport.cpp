#include "report/PreparedReport.h"

#include "report/TfrReport.h"
#include "report/TfrUserDataset.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace {

// Stands for the page count until the last page is known.
const QString kTotalPagesMark = QStringLiteral("\uE000TOTALPAGES\uE000");

struct BandSet {
    const TfrBandView* title = nullptr;
    const TfrBandView* master = nullptr;
    const TfrBandView* footer = nullptr;
    // The objects of each band, tops relative to the band.
    std::vector<std::unique_ptr<TfrView>> titleObjects, masterObjects, footerObjects;
};

std::vector<std::unique_ptr<TfrView>>* objectsOf(BandSet& set, const TfrBandView* band) {
    if (band == set.title)
        return &set.titleObjects;
    if (band == set.master)
        return &set.masterObjects;
    if (band == set.footer)
        return &set.footerObjects;
    return nullptr;
}

BandSet bindObjects(const TfrPage& page) {
    BandSet set;
    std::vector<const TfrBandView*> bands;
    for (const auto& view : page.Objects) {
        if (view->type() != FrObjectType::Band)
            continue;
        const auto* band = static_cast<const TfrBandView*>(view.get());
        bands.push_back(band);
        const auto kind = band->bandType();
        if (kind == FrBandType::ReportTitle && !set.title)
            set.title = band;
        else if (kind == FrBandType::MasterData && !set.master)
            set.master = band;
        else if (kind == FrBandType::PageFooter && !set.footer)
            set.footer = band;
    }
    for (const auto& view : page.Objects) {
        if (view->type() == FrObjectType::Band)
            continue;
        const qint64 top = view->Top;
        const qint64 bottom = top + view->Height;
        for (const TfrBandView* band : bands) {
            if (top >= band->Top && bottom <= qint64(band->Top) + band->Height) {
                if (auto* list = objectsOf(set, band)) {
                    auto copy = view->clone();
                    copy->Top = static_cast<std::int32_t>(top - band->Top);
                    list->push_back(std::move(copy));
                }
                break;
            }
        }
    }
    return set;
}

class Preparer {
public:
    Preparer(TfrReport& report, PreparedReport& out)
        : m_report(report)
        , m_out(out) {}

    void run(const TfrPage& page, const int unprintable[4]);

private:
    void newPage(const TfrPage& page);
    void finishPage(bool last);
    void printBand(const std::vector<std::unique_ptr<TfrView>>& objects, qint64 top);
    QString resolve(const QString& name);

    TfrReport& m_report;
    PreparedReport& m_out;
    BandSet m_bands;
    // 64-bit, so that no template's geometry can overflow the arithmetic.
    qint64 m_areaTop = 0, m_areaBottom = 0;
    qint64 m_y = 0;
    int m_line = 0;
    int m_lineThrough = 0;
};

void Preparer::newPage(const TfrPage& page) {
    PreparedPage prepared;
    prepared.width = page.widthInUnits();
    prepared.height = page.heightInUnits();
    prepared.paperSize = page.PaperSize;
    prepared.paperWidth = page.PaperWidth;
    prepared.paperHeight = page.PaperHeight;
    prepared.orientation = page.Orientation;
    prepared.bin = page.Bin;
    prepared.stretchToPrintable = page.StretchToPrintable;
    m_out.pages.push_back(std::move(prepared));
    m_y = m_areaTop;
}

void Preparer::finishPage(bool last) {
    const TfrBandView* footer = m_bands.footer;
    if (!footer)
        return;
    const bool first = m_out.pages.size() == 1;
    if ((first && !(footer->Flags & flBandOnFirstPage)) ||
        (last && !(footer->Flags & flBandOnLastPage)))
        return;
    printBand(m_bands.footerObjects, m_areaBottom - footer->Height);
}

void Preparer::printBand(const std::vector<std::unique_ptr<TfrView>>& objects, qint64 top) {
    PreparedPage& page = m_out.pages.back();
    for (const auto& view : objects) {
        if (!view->Visible)
            continue;
        auto copy = view->clone();
        copy->Top =
            static_cast<std::int32_t>(std::clamp<qint64>(top + view->Top, INT32_MIN, INT32_MAX));
        if (copy->type() == FrObjectType::Memo) {
            for (QString& line : copy->Memo)
                line = expandLine(line, [this](const QString& name) { return resolve(name); });
        }
        page.objects.push_back(std::move(copy));
    }
}

QString Preparer::resolve(const QString& name) {
    QVariant value;
    if (m_report.OnGetValue)
        m_report.OnGetValue(name, value);
    if (value.isValid())
        return value.toString();
    const QString key = name.toUpper();
    if (key == QLatin1String("VALUE"))
        return {};
    if (key == QLatin1String("PAGE#"))
        return QString::number(m_out.pages.size());
    if (key == QLatin1String("TOTALPAGES"))
        return kTotalPagesMark;
    if (key == QLatin1String("DATE"))
        return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (key == QLatin1String("TIME"))
        return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    if (key == QLatin1String("LINE#") || key == QLatin1String("CURRENT#"))
        return QString::number(m_line);
    if (key == QLatin1String("LINETHROUGH#"))
        return QString::number(m_lineThrough);
    if (key == QLatin1String("COLUMN#"))
        return QStringLiteral("1");
    throw ReportEvaluationError(name);
}

void Preparer::run(const TfrPage& page, const int unprintable[4]) {
    m_bands = bindObjects(page);
    const qint64 height = page.heightInUnits();
    if (page.StretchToPrintable) {
        m_areaTop = 0;
        m_areaBottom = height;
    } else {
        m_areaTop = page.TopMargin != 0 ? page.TopMargin : (unprintable ? unprintable[1] : 0);
        const qint64 bottom =
            page.BottomMargin != 0 ? page.BottomMargin : (unprintable ? unprintable[3] : 0);
        m_areaBottom = height - bottom;
    }
    const qint64 limit = m_areaBottom - (m_bands.footer ? m_bands.footer->Height : 0);

    newPage(page);
    if (m_bands.title) {
        printBand(m_bands.titleObjects, m_y);
        m_y += m_bands.title->Height;
    }
    if (m_bands.master) {
        TfrUserDataset counted;
        TfrUserDataset* dataset = m_report.Dataset;
        const QString source = m_bands.master->DataSource().trimmed();
        if (!source.isEmpty() && source[0] >= u'1' && source[0] <= u'9') {
            counted.rangeEnd = TfrUserDataset::reCount;
            counted.RangeEndCount = source.toInt();
            dataset = &counted;
        } else if (m_report.ReportType != FrReportType::rtSimple) {
            dataset = nullptr;
        }
        if (dataset) {
            dataset->First();
            m_line = 1;
            while (!dataset->Eof()) {
                const qint64 rowHeight = m_bands.master->Height;
                // A row that would cross the footer starts a new page, unless the
                // page is still empty (a row taller than the page prints anyway).
                if (m_y + rowHeight > limit && m_y > m_areaTop) {
                    finishPage(false);
                    newPage(page);
                }
                ++m_lineThrough;
                printBand(m_bands.masterObjects, m_y);
                m_y += rowHeight;
                dataset->Next();
                ++m_line;
            }
        }
    }
    finishPage(true);
}

} // namespace

ReportEvaluationError::ReportEvaluationError(const QString& name)
    : std::runtime_error(QStringLiteral("Undefined symbol: %1").arg(name).toStdString()) {}

QString expandLine(const QString& line, const std::function<QString(const QString&)>& resolve) {
    QString result;
    qsizetype i = 0;
    while (i < line.size()) {
        const qsizetype open = line.indexOf(u'[', i);
        if (open < 0)
            break;
        // The matching bracket, counting nested pairs.
        qsizetype close = -1;
        int depth = 0;
        for (qsizetype j = open; j < line.size(); ++j) {
            if (line[j] == u'[')
                ++depth;
            else if (line[j] == u']' && --depth == 0) {
                close = j;
                break;
            }
        }
        if (close < 0)
            break;
        result += line.mid(i, open - i);
        result += resolve(line.mid(open + 1, close - open - 1).trimmed());
        i = close + 1;
    }
    result += line.mid(i);
    return result;
}

PreparedReport prepareReport(TfrReport& report, const int unprintable[4]) {
    PreparedReport out;
    out.title = report.DocumentTitle;
    out.creator = report.Creator;
    for (const auto& page : report.Pages) {
        if (page->PageType != 0)
            continue;
        Preparer(report, out).run(*page, unprintable);
    }
    const QString total = QString::number(out.pages.size());
    for (auto& page : out.pages)
        for (auto& view : page.objects)
            for (QString& line : view->Memo)
                line.replace(kTotalPagesMark, total);
    return out;
}
