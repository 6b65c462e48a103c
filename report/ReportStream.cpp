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

// The fields of each record in stored order. One list serves both directions:
// the Writer takes the values, the Reader sets them.
template <typename Io, typename View>
void transferViewBody(Io& io, View& v) {
    io.string(v.Name);
    io.u8(v.versionMajor);
    io.u8(v.versionMinor);
    io.i32(v.Left);
    io.i32(v.Top);
    io.i32(v.Width);
    io.i32(v.Height);
    io.u16(v.Flags);
    io.u16(v.FrameTyp);
    io.frameWidth(v.FrameWidth);
    io.i32(v.FrameColor);
    io.u16(v.FrameStyle);
    io.i32(v.FillColor);
    io.i32(v.Format);
    io.string(v.FormatText);
    io.lines(v.Memo);
    io.lines(v.Script);
    io.flag(v.Visible);
    // Two fields this engine does not use: written empty, skipped on reading.
    std::uint16_t unusedNumber = 0;
    QString unusedText;
    io.u16(unusedNumber);
    io.string(unusedText);
    io.i32(v.GapX);
    io.i32(v.GapY);
    if (v.versionMajor > 1)
        io.u8(v.BandAlign);
}

template <typename Io, typename Memo>
void transferMemoAdditions(Io& io, Memo& m) {
    io.string(m.FontName);
    io.i32(m.FontSize);
    io.u16(m.FontStyle);
    io.i32(m.FontColor);
    io.i32(m.Alignment);
    io.u16(m.Charset);
    io.u16(m.HighlightFontStyle);
    io.i32(m.HighlightFontColor);
    io.i32(m.HighlightFillColor);
    io.string(m.HighlightCondition);
    io.i32(m.LineSpacing);
    io.i32(m.CharSpacing);
}

template <typename Io, typename Band>
void transferBandAdditions(Io& io, Band& b) {
    io.string(b.ChildBand);
    io.i32(b.Columns);
    io.i32(b.ColumnWidth);
    io.i32(b.ColumnGap);
    io.i32(b.NewColumnAfter);
    if (b.versionMajor > 2 || (b.versionMajor == 2 && b.versionMinor > 0))
        io.string(b.Master);
}

// A page record after its tag.
template <typename Io, typename Page>
void transferPage(Io& io, Page& p) {
    io.scriptMarker(p.HasScript);
    io.i32(p.PaperSize);
    io.i32(p.PaperWidth);
    io.i32(p.PaperHeight);
    io.i32(p.LeftMargin);
    io.i32(p.TopMargin);
    io.i32(p.RightMargin);
    io.i32(p.BottomMargin);
    io.u8(p.Orientation);
    io.i32(p.Bin);
    io.flag(p.PrintToPrevPage);
    io.inverseFlag(p.StretchToPrintable);
    io.i32(p.Columns);
    io.i32(p.ColumnGap);
    io.u8(p.PageType);
    io.string(p.Name);
    io.u8(p.BorderStyle);
    io.string(p.Caption);
    io.i32(p.Color);
    io.i32(p.DialogLeft);
    io.i32(p.DialogTop);
    io.i32(p.DialogWidth);
    io.i32(p.DialogHeight);
    io.u8(p.Position);
    if (p.HasScript)
        io.lines(p.Script);
}

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
    void flag(bool v) { u16(v ? 1 : 0); }
    void inverseFlag(bool v) { flag(!v); }
    void frameWidth(double width) { i32(storedFrameWidth(width)); }
    // A page with a script starts with -1.
    void scriptMarker(bool hasScript) {
        if (hasScript)
            i32(-1);
    }

    void page(const TfrPage& p) {
        u8(kTagPage);
        transferPage(*this, p);
    }

    void object(const TfrView& v, int pageIndex) {
        u8(static_cast<std::uint8_t>(v.type()));
        u8(static_cast<std::uint8_t>(pageIndex));
        const qsizetype offsetAt = bytes.size();
        i32(0);
        transferViewBody(*this, v);
        if (v.type() == FrObjectType::Memo)
            transferMemoAdditions(*this, static_cast<const TfrMemoView&>(v));
        else if (v.type() == FrObjectType::Band)
            transferBandAdditions(*this, static_cast<const TfrBandView&>(v));
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

    void u8(std::uint8_t& v) { v = u8(); }
    void u16(std::uint16_t& v) { v = u16(); }
    void i32(std::int32_t& v) { v = i32(); }
    void string(QString& v) { v = string(); }
    void lines(QStringList& v) { v = lines(); }
    void flag(bool& v) { v = u16() != 0; }
    void inverseFlag(bool& v) { v = u16() == 0; }
    void frameWidth(double& width) {
        // Older templates stored whole widths; newer ones thousandths.
        const std::int32_t stored = i32();
        width = stored <= 10 ? double(stored) : stored / 1000.0;
    }
    void scriptMarker(bool& hasScript) {
        const qsizetype at = m_pos;
        hasScript = i32() == -1;
        if (!hasScript)
            m_pos = at; // no marker: that was the paper size
    }

private:
    void need(qsizetype n) {
        if (n > m_data.size() - m_pos)
            throw ReadFailure{};
    }

    const QByteArray& m_data;
    qsizetype m_pos = 0;
};

std::unique_ptr<TfrPage> readPage(Reader& r) {
    auto p = std::make_unique<TfrPage>();
    transferPage(r, *p);
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
        transferViewBody(r, *view);
        if (tag == 0)
            transferMemoAdditions(r, static_cast<TfrMemoView&>(*view));
        else if (tag == 2)
            transferBandAdditions(r, static_cast<TfrBandView&>(*view));
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
