#include "report/ReportStream.h"

#include "report/TfrReport.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::uint8_t kVersion = 24;
constexpr std::uint8_t kOldestVersion = 21;
constexpr std::uint8_t kTagPage = 255;
constexpr std::uint8_t kTagDictionary = 254;
constexpr std::uint8_t kTagAddInData = 253;
constexpr std::uint8_t kTagAddInObject = 10;
constexpr std::uint16_t kDictionaryMarker = 65534;

// Writing ---------------------------------------------------------------------

// A frame width in thousandths, as the reader takes it back. Stored values of
// 10 or less mean whole widths (older templates), so a frame thinner than
// 0.011 is written as 0.011 (still drawn); no frame (zero or less) as 0; and
// nothing beyond what 32 bits hold.
std::int32_t storedFrameWidth(double width) {
    constexpr std::int32_t thinnest = 11;
    if (!(width > 0))
        return 0;
    if (width * 1000 >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return std::max(thinnest, static_cast<std::int32_t>(std::lround(width * 1000)));
}

class Writer {
public:
    QByteArray bytes;

    void u8(std::uint8_t v) { bytes.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void i32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        u16(static_cast<std::uint16_t>(u));
        u16(static_cast<std::uint16_t>(u >> 16));
    }
    void patchI32(qsizetype at, std::int32_t v) { qToLittleEndian(v, bytes.data() + at); }
    void chars(const QString& text) {
        const QByteArray latin = text.toLatin1().left(0xFFFF);
        u16(static_cast<std::uint16_t>(latin.size()));
        bytes.append(latin);
    }
    void string(const QString& text) {
        chars(text);
        u8(0);
    }
    void lines(const QStringList& list) {
        const qsizetype count = std::min<qsizetype>(list.size(), 0xFFFF);
        u16(static_cast<std::uint16_t>(count));
        if (count == 0) {
            u8(0);
            return;
        }
        for (qsizetype i = 0; i < count; ++i) {
            chars(list[i]);
            u8(i + 1 < count ? 13 : 0);
        }
    }

    void viewBody(const TfrView& v) {
        string(v.Name);
        u8(v.versionMajor);
        u8(v.versionMinor);
        i32(v.Left);
        i32(v.Top);
        i32(v.Width);
        i32(v.Height);
        u16(v.Flags);
        u16(v.FrameTyp);
        i32(storedFrameWidth(v.FrameWidth));
        i32(v.FrameColor);
        u16(v.FrameStyle);
        i32(v.FillColor);
        i32(v.Format);
        string(v.FormatText);
        lines(v.Memo);
        lines(v.Script);
        u16(v.Visible ? 1 : 0);
        u16(0);
        string(QString());
        i32(v.GapX);
        i32(v.GapY);
        if (v.versionMajor > 1)
            u8(v.BandAlign);
    }

    void memoAdditions(const TfrMemoView& m) {
        string(m.FontName);
        i32(m.FontSize);
        u16(m.FontStyle);
        i32(m.FontColor);
        i32(m.Alignment);
        u16(m.Charset);
        u16(m.HighlightFontStyle);
        i32(m.HighlightFontColor);
        i32(m.HighlightFillColor);
        string(m.HighlightCondition);
        i32(m.LineSpacing);
        i32(m.CharSpacing);
    }

    void bandAdditions(const TfrBandView& b) {
        string(b.ChildBand);
        i32(b.Columns);
        i32(b.ColumnWidth);
        i32(b.ColumnGap);
        i32(b.NewColumnAfter);
        if (b.versionMajor > 2 || (b.versionMajor == 2 && b.versionMinor > 0))
            string(b.Master);
    }

    void page(const TfrPage& p) {
        u8(kTagPage);
        if (p.HasScript)
            i32(-1);
        i32(p.PaperSize);
        i32(p.PaperWidth);
        i32(p.PaperHeight);
        i32(p.LeftMargin);
        i32(p.TopMargin);
        i32(p.RightMargin);
        i32(p.BottomMargin);
        u8(p.Orientation);
        i32(p.Bin);
        u16(p.PrintToPrevPage ? 1 : 0);
        u16(p.StretchToPrintable ? 0 : 1);
        i32(p.Columns);
        i32(p.ColumnGap);
        u8(p.PageType);
        string(p.Name);
        u8(p.BorderStyle);
        string(p.Caption);
        i32(p.Color);
        i32(p.DialogLeft);
        i32(p.DialogTop);
        i32(p.DialogWidth);
        i32(p.DialogHeight);
        u8(p.Position);
        if (p.HasScript)
            lines(p.Script);
    }

    void object(const TfrView& v, int pageIndex) {
        u8(static_cast<std::uint8_t>(v.type()));
        u8(static_cast<std::uint8_t>(pageIndex));
        const qsizetype offsetAt = bytes.size();
        i32(0);
        viewBody(v);
        if (v.type() == FrObjectType::Memo)
            memoAdditions(static_cast<const TfrMemoView&>(v));
        else if (v.type() == FrObjectType::Band)
            bandAdditions(static_cast<const TfrBandView&>(v));
        patchI32(offsetAt, static_cast<std::int32_t>(bytes.size()));
    }
};

// Reading ---------------------------------------------------------------------

struct ReadFailure {};

// A cursor over the stream that fails, rather than reading past the end.
class Reader {
public:
    explicit Reader(const QByteArray& data)
        : m_data(data) {}

    qsizetype pos() const { return m_pos; }
    qsizetype size() const { return m_data.size(); }
    bool atEnd() const { return m_pos >= m_data.size(); }
    void seek(qsizetype to) { m_pos = to; }

    std::uint8_t u8() {
        need(1);
        return static_cast<std::uint8_t>(m_data[m_pos++]);
    }
    std::uint16_t u16() {
        need(2);
        const auto v = qFromLittleEndian<std::uint16_t>(m_data.constData() + m_pos);
        m_pos += 2;
        return v;
    }
    std::int32_t i32() {
        need(4);
        const auto v = qFromLittleEndian<std::int32_t>(m_data.constData() + m_pos);
        m_pos += 4;
        return v;
    }
    QString chars() {
        const std::uint16_t length = u16();
        need(length);
        const QString text = QString::fromLatin1(m_data.constData() + m_pos, length);
        m_pos += length;
        return text;
    }
    QString string() {
        QString text = chars();
        u8();
        return text;
    }
    QStringList lines() {
        const std::uint16_t count = u16();
        QStringList list;
        if (count == 0) {
            u8();
            return list;
        }
        for (int i = 0; i < count; ++i) {
            list << chars();
            u8();
        }
        return list;
    }

private:
    void need(qsizetype n) {
        if (n > m_data.size() - m_pos)
            throw ReadFailure{};
    }

    const QByteArray& m_data;
    qsizetype m_pos = 0;
};

void readViewBody(Reader& r, TfrView& v) {
    v.Name = r.string();
    v.versionMajor = r.u8();
    v.versionMinor = r.u8();
    v.Left = r.i32();
    v.Top = r.i32();
    v.Width = r.i32();
    v.Height = r.i32();
    v.Flags = r.u16();
    v.FrameTyp = r.u16();
    const std::int32_t width = r.i32();
    // Older templates stored whole widths; newer ones thousandths.
    v.FrameWidth = width <= 10 ? double(width) : width / 1000.0;
    v.FrameColor = r.i32();
    v.FrameStyle = r.u16();
    v.FillColor = r.i32();
    v.Format = r.i32();
    v.FormatText = r.string();
    v.Memo = r.lines();
    v.Script = r.lines();
    v.Visible = r.u16() != 0;
    r.u16();
    r.string();
    v.GapX = r.i32();
    v.GapY = r.i32();
    if (v.versionMajor > 1)
        v.BandAlign = r.u8();
}

void readMemoAdditions(Reader& r, TfrMemoView& m) {
    m.FontName = r.string();
    m.FontSize = r.i32();
    m.FontStyle = r.u16();
    m.FontColor = r.i32();
    m.Alignment = r.i32();
    m.Charset = r.u16();
    m.HighlightFontStyle = r.u16();
    m.HighlightFontColor = r.i32();
    m.HighlightFillColor = r.i32();
    m.HighlightCondition = r.string();
    m.LineSpacing = r.i32();
    m.CharSpacing = r.i32();
}

void readBandAdditions(Reader& r, TfrBandView& b) {
    b.ChildBand = r.string();
    b.Columns = r.i32();
    b.ColumnWidth = r.i32();
    b.ColumnGap = r.i32();
    b.NewColumnAfter = r.i32();
    if (b.versionMajor > 2 || (b.versionMajor == 2 && b.versionMinor > 0))
        b.Master = r.string();
}

std::unique_ptr<TfrPage> readPage(Reader& r) {
    auto p = std::make_unique<TfrPage>();
    std::int32_t first = r.i32();
    if (first == -1) {
        p->HasScript = true;
        first = r.i32();
    }
    p->PaperSize = first;
    p->PaperWidth = r.i32();
    p->PaperHeight = r.i32();
    p->LeftMargin = r.i32();
    p->TopMargin = r.i32();
    p->RightMargin = r.i32();
    p->BottomMargin = r.i32();
    p->Orientation = r.u8();
    p->Bin = r.i32();
    p->PrintToPrevPage = r.u16() != 0;
    p->StretchToPrintable = r.u16() == 0;
    p->Columns = r.i32();
    p->ColumnGap = r.i32();
    p->PageType = r.u8();
    p->Name = r.string();
    p->BorderStyle = r.u8();
    p->Caption = r.string();
    p->Color = r.i32();
    p->DialogLeft = r.i32();
    p->DialogTop = r.i32();
    p->DialogWidth = r.i32();
    p->DialogHeight = r.i32();
    p->Position = r.u8();
    if (p->HasScript)
        p->Script = r.lines();
    return p;
}

void readDictionary(Reader& r) {
    r.u16();
    for (int list = 0; list < 3; ++list) {
        const std::int32_t count = r.i32();
        if (count < 0)
            throw ReadFailure{};
        // Every pair takes at least six bytes, so the loop ends with the input.
        for (std::int32_t i = 0; i < count; ++i) {
            r.string();
            r.string();
        }
    }
}

// One object record after its tag. Returns the object, or nullptr for a kind
// that is only skipped; a failure inside the body skips to the next record.
std::unique_ptr<TfrView> readObject(Reader& r, std::uint8_t tag, qsizetype recordStart,
                                    std::uint8_t& pageIndex, qsizetype& next) {
    if (tag == kTagAddInObject)
        r.string(); // class name
    pageIndex = r.u8();
    next = r.i32();
    // The next record must lie ahead of this one and inside the stream.
    if (next <= recordStart || next > r.size())
        throw ReadFailure{};
    std::unique_ptr<TfrView> view;
    switch (static_cast<FrObjectType>(tag)) {
    case FrObjectType::Memo:
        view = std::make_unique<TfrMemoView>();
        break;
    case FrObjectType::Band:
        view = std::make_unique<TfrBandView>();
        break;
    case FrObjectType::Line:
        view = std::make_unique<TfrLineView>();
        break;
    default:
        return nullptr; // pictures, sub-reports and add-ins are not part of this engine
    }
    try {
        readViewBody(r, *view);
        if (tag == 0)
            readMemoAdditions(r, static_cast<TfrMemoView&>(*view));
        else if (tag == 2)
            readBandAdditions(r, static_cast<TfrBandView&>(*view));
    } catch (const ReadFailure&) {
        return nullptr;
    }
    return view;
}

void readRecords(Reader& r, TfrReport& report) {
    while (!r.atEnd()) {
        const qsizetype recordStart = r.pos();
        const std::uint8_t tag = r.u8();
        if (tag == kTagPage) {
            report.Pages.push_back(readPage(r));
            continue;
        }
        if (tag == kTagDictionary) {
            readDictionary(r);
            return;
        }
        if (tag == kTagAddInData)
            return;
        if (tag > kTagAddInObject || (tag > 4 && tag < kTagAddInObject))
            throw ReadFailure{};
        std::uint8_t pageIndex = 0;
        qsizetype next = 0;
        auto view = readObject(r, tag, recordStart, pageIndex, next);
        if (view && pageIndex < report.Pages.size())
            report.Pages[pageIndex]->Objects.push_back(std::move(view));
        r.seek(next);
    }
}

} // namespace

QString reportReadErrorText() {
    return QCoreApplication::translate("ReportStream", "Unsupported FRF format");
}

QByteArray writeReportStream(const TfrReport& report) {
    Writer w;
    w.u8(kVersion);
    w.u8(report.PrintToDefault ? 1 : 0);
    w.u8(report.ReportFlags[0]);
    w.u8(report.ReportFlags[1]);
    w.u8(report.ReportFlags[2]);
    w.string(report.PrinterName);
    for (const auto& page : report.Pages)
        w.page(*page);
    for (std::size_t p = 0; p < report.Pages.size(); ++p)
        for (const auto& view : report.Pages[p]->Objects)
            w.object(*view, static_cast<int>(p));
    w.u8(kTagDictionary);
    w.u16(kDictionaryMarker);
    for (int list = 0; list < 3; ++list)
        w.i32(0);
    return w.bytes;
}

QByteArray writeReport(const TfrReport& report) {
    const QByteArray stream = writeReportStream(report);
    Writer w;
    w.i32(kVersion);
    w.i32(static_cast<std::int32_t>(stream.size()));
    w.bytes.append(stream);
    return w.bytes;
}

ReportReadResult readReportStream(const QByteArray& stream, TfrReport& report) {
    Reader r(stream);
    try {
        // Streams older than version 21 start directly with the flags.
        if (!r.atEnd() && static_cast<std::uint8_t>(stream[0]) >= kOldestVersion) {
            if (r.u8() > kVersion)
                return ReportReadResult::Unsupported;
        }
        report.Clear();
        report.PrintToDefault = r.u8() != 0;
        report.ReportFlags[0] = r.u8();
        report.ReportFlags[1] = r.u8();
        report.ReportFlags[2] = r.u8();
        report.PrinterName = r.string();
        readRecords(r, report);
    } catch (const ReadFailure&) {
        report.Clear();
        report.Pages.push_back(std::make_unique<TfrPage>());
        return ReportReadResult::ReadError;
    }
    return ReportReadResult::Ok;
}

ReportReadResult readReport(const QByteArray& data, TfrReport& report) {
    const qsizetype header = 8;
    const std::int32_t length =
        data.size() >= header ? qFromLittleEndian<std::int32_t>(data.constData() + 4) : -1;
    if (length < 0 || length > data.size() - header) {
        report.Clear();
        report.Pages.push_back(std::make_unique<TfrPage>());
        return ReportReadResult::ReadError;
    }
    return readReportStream(data.mid(header, length), report);
}
