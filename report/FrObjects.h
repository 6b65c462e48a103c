#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

// The objects of a banded report template: views (text, band, line) and the
// page that holds them. Geometry is in report units of 1/91.6256157635468 inch.

inline constexpr double kUnitsPerInch = 18600.0 / 203.0;
// Colours are stored as 0x00BBGGRR; this value means none (transparent).
inline constexpr std::int32_t kColorNone = 0x1FFFFFFF;

// Stored record tags of the object kinds.
enum class FrObjectType : std::uint8_t { Memo = 0, Picture = 1, Band = 2, SubReport = 3, Line = 4 };

enum FrFrameSide : std::uint16_t {
    frftNone = 0,
    frftRight = 1,
    frftBottom = 2,
    frftLeft = 4,
    frftTop = 8,
};

enum FrMemoFlag : std::uint16_t {
    flStretched = 1,
    flWordWrap = 2,
    flWordBreak = 4,
    flAutoWidth = 8,
    flTextOnly = 16,
    flSuppress = 32,
    flHideZeros = 64,
    flUnderlines = 128,
};

enum FrBandFlag : std::uint16_t {
    flBandStretched = 1,
    flBandFormNewPage = 2,
    flBandPrintIfSubsetEmpty = 4,
    flBandBreaked = 8,
    flBandOnFirstPage = 16,
    flBandOnLastPage = 32,
    flBandRepeatHeader = 64,
    flBandPrintChildIfInvisible = 128,
};

enum FrAlignment : std::int32_t {
    frtaLeft = 0,
    frtaRight = 1,
    frtaCenter = 2,
    frtaVertical = 4,
    frtaMiddle = 8,
    frtaDown = 16,
};

enum FrFontStyle : std::uint16_t { fsItalic = 1, fsBold = 2, fsUnderline = 4, fsStrikeOut = 8 };

enum class FrBandType : std::uint16_t {
    ReportTitle = 0,
    ReportSummary = 1,
    PageHeader = 2,
    PageFooter = 3,
    MasterHeader = 4,
    MasterData = 5,
    MasterFooter = 6,
    // 7..21: detail, subdetail, overlay, column, group, cross and child bands.
};

// Tenths of a millimetre to whole report units.
int tenthsToUnits(std::int32_t tenths);

// Base of every object on a page.
class TfrView {
public:
    explicit TfrView(FrObjectType type)
        : m_type(type) {}
    virtual ~TfrView() = default;
    FrObjectType type() const { return m_type; }
    virtual std::unique_ptr<TfrView> clone() const = 0;

    QString Name;
    std::uint8_t versionMajor = 2;
    std::uint8_t versionMinor = 0;
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::uint16_t Flags = 0;
    std::uint16_t FrameTyp = frftNone; // a band's kind for bands
    double FrameWidth = 1;
    std::int32_t FrameColor = 0;
    std::uint16_t FrameStyle = 0;
    std::int32_t FillColor = kColorNone;
    std::int32_t Format = 0;
    QString FormatText; // a band's DataSource
    QStringList Memo;
    QStringList Script;
    bool Visible = true;
    std::int32_t GapX = 0, GapY = 0;
    std::uint8_t BandAlign = 0;

private:
    FrObjectType m_type;
};

// A text view.
class TfrMemoView : public TfrView {
public:
    std::unique_ptr<TfrView> clone() const override { return std::make_unique<TfrMemoView>(*this); }
    TfrMemoView()
        : TfrView(FrObjectType::Memo) {}

    QString FontName = QStringLiteral("Arial");
    std::int32_t FontSize = 10; // points
    std::uint16_t FontStyle = 0;
    std::int32_t FontColor = 0;
    std::int32_t Alignment = frtaLeft;
    std::uint16_t Charset = 1; // the default character set
    std::uint16_t HighlightFontStyle = 0;
    std::int32_t HighlightFontColor = 0;
    std::int32_t HighlightFillColor = kColorNone;
    QString HighlightCondition;
    std::int32_t LineSpacing = 2;
    std::int32_t CharSpacing = 0;
};

// A band: its kind is kept in FrameTyp and its data source in FormatText.
class TfrBandView : public TfrView {
public:
    std::unique_ptr<TfrView> clone() const override { return std::make_unique<TfrBandView>(*this); }
    TfrBandView()
        : TfrView(FrObjectType::Band) {
        versionMinor = 1;
    }

    FrBandType bandType() const { return static_cast<FrBandType>(FrameTyp); }
    const QString& DataSource() const { return FormatText; }

    QString ChildBand;
    std::int32_t Columns = 1;
    std::int32_t ColumnWidth = 200;
    std::int32_t ColumnGap = 20;
    std::int32_t NewColumnAfter = 1;
    QString Master;
};

// A line: the frame side(s) named by FrameTyp.
class TfrLineView : public TfrView {
public:
    std::unique_ptr<TfrView> clone() const override { return std::make_unique<TfrLineView>(*this); }
    TfrLineView()
        : TfrView(FrObjectType::Line) {}
};

// One report page: paper, margins and its objects in stored order.
class TfrPage {
public:
    std::int32_t PaperSize = 1;      // 1 = Letter
    std::int32_t PaperWidth = 2159;  // tenths of a millimetre
    std::int32_t PaperHeight = 2794; // tenths of a millimetre
    std::int32_t LeftMargin = 0, TopMargin = 0, RightMargin = 0, BottomMargin = 0;
    std::uint8_t Orientation = 0; // 0 portrait, 1 landscape
    std::int32_t Bin = 65535;     // the printer's default bin
    bool PrintToPrevPage = false;
    bool StretchToPrintable = true;
    std::int32_t Columns = 0, ColumnGap = 0;
    std::uint8_t PageType = 0; // 0 report page
    QString Name;
    std::uint8_t BorderStyle = 0;
    QString Caption;
    std::int32_t Color = 0;
    std::int32_t DialogLeft = 0, DialogTop = 0, DialogWidth = 0, DialogHeight = 0;
    std::uint8_t Position = 0;
    bool HasScript = false;
    QStringList Script;

    std::vector<std::unique_ptr<TfrView>> Objects;

    // Paper size in report units, rounded to whole units (Letter: 779 x 1008).
    int widthInUnits() const { return tenthsToUnits(PaperWidth); }
    int heightInUnits() const { return tenthsToUnits(PaperHeight); }
};
