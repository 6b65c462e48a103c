#include "report/ReportRenderer.h"

#include "report/PreparedReport.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace {

struct Mapping {
    QPointF origin;
    double sx = 1, sy = 1;
    QRectF rect(const TfrView& v) const {
        return {origin.x() + v.Left * sx, origin.y() + v.Top * sy, v.Width * sx, v.Height * sy};
    }
};

void drawFrame(QPainter& painter, const TfrView& v, const Mapping& m) {
    if (v.FrameTyp == frftNone || v.FrameWidth <= 0)
        return;
    QColor color = colorFromRef(v.FrameColor);
    if (!color.isValid())
        return;
    QPen pen(color, v.FrameWidth * (m.sx + m.sy) / 2);
    pen.setCapStyle(Qt::SquareCap);
    static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::SolidLine};
    pen.setStyle(styles[std::min<std::uint16_t>(v.FrameStyle, 5)]);
    painter.setPen(pen);
    // Rules stay crisp on the screen; on paper and PDF they are vectors anyway.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF r = m.rect(v);
    if (v.FrameTyp & frftTop)
        painter.drawLine(r.topLeft(), r.topRight());
    if (v.FrameTyp & frftBottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    if (v.FrameTyp & frftLeft)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (v.FrameTyp & frftRight)
        painter.drawLine(r.topRight(), r.bottomRight());
}

QFont memoFont(const TfrMemoView& memo, double points, const QPaintDevice* device, double sy) {
    QFont font(memo.FontName);
    // The font's height in units is size/72 inch; points are converted by the
    // device's resolution, so scale them to the mapping.
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    font.setPointSizeF(std::max(0.1, points * kUnitsPerInch * sy / dpi));
    font.setBold(memo.FontStyle & fsBold);
    font.setItalic(memo.FontStyle & fsItalic);
    font.setUnderline(memo.FontStyle & fsUnderline);
    font.setStrikeOut(memo.FontStyle & fsStrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

Qt::Alignment horizontalAlignment(const TfrMemoView& memo) {
    const int horizontal = memo.Alignment & 3;
    return horizontal == frtaRight    ? Qt::AlignRight
           : horizontal == frtaCenter ? Qt::AlignHCenter
                                      : Qt::AlignLeft;
}

// Where the text block of `height` starts inside `inner`, per the vertical alignment.
double blockTop(const TfrMemoView& memo, const QRectF& inner, double height) {
    if (memo.Alignment & frtaMiddle)
        return inner.top() + (inner.height() - height) / 2;
    if (memo.Alignment & frtaDown)
        return inner.top() + inner.height() - height;
    return inner.top();
}

// One unwrapped line of `text` in `font`, laid out for `width`.
std::unique_ptr<QTextLayout> singleLine(const QString& text, const QFont& font,
                                        QPaintDevice* device, Qt::Alignment alignment,
                                        double width) {
    auto layout = std::make_unique<QTextLayout>(text, font, device);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(width);
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    return layout;
}

// A box that holds one line of its font shows its one text line whole: at the
// view's font size when it fits the width, else at the largest smaller size
// that fits, never below kMinimumFontPoints. The baseline stays where the
// full-size line would have it, so shrunk and full-size values in one row
// share their baseline. Returns false when the memo is not such a one-liner.
bool drawOneLine(QPainter& painter, const TfrMemoView& memo, const QRectF& inner,
                 const Mapping& m) {
    if (memo.Memo.size() != 1)
        return false;
    QPaintDevice* device = painter.device();
    const QFont full = memoFont(memo, memo.FontSize, device, m.sy);
    const QFontMetricsF fullMetrics(full, device);
    if (inner.height() >= 2 * fullMetrics.height() + memo.LineSpacing * m.sy)
        return false;
    const double width = std::max(0.0, inner.width());
    const Qt::Alignment alignment = horizontalAlignment(memo);
    const QString& text = memo.Memo.front();
    auto layout = singleLine(text, full, device, alignment, width);
    double points = memo.FontSize;
    // Glyph advances scale with the size (no hinting), so the proportional
    // size fits up to rounding; the loop takes off what rounding adds.
    for (int tries = 0; tries < 8 && points > kMinimumFontPoints; ++tries) {
        const double natural = layout->lineAt(0).naturalTextWidth();
        if (natural <= width)
            break;
        const double proportional = points * width / natural;
        points = std::max(kMinimumFontPoints, std::min(proportional, points * 0.99));
        layout = singleLine(text, memoFont(memo, points, device, m.sy), device, alignment, width);
    }
    const double baseline = blockTop(memo, inner, fullMetrics.height()) + fullMetrics.ascent();
    const QColor color = colorFromRef(memo.FontColor);
    painter.save();
    painter.setClipRect(m.rect(memo));
    painter.setPen(color.isValid() ? color : QColor(Qt::black));
    layout->draw(&painter, QPointF(inner.left(), baseline - layout->lineAt(0).ascent()));
    painter.restore();
    return true;
}

void drawMemo(QPainter& painter, const TfrMemoView& memo, const Mapping& m) {
    const QRectF box = m.rect(memo);
    const QColor fill = colorFromRef(memo.FillColor);
    if (fill.isValid())
        painter.fillRect(box, fill);
    const QRectF inner =
        box.adjusted(memo.GapX * m.sx, memo.GapY * m.sy, -memo.GapX * m.sx, -memo.GapY * m.sy);
    if (!memo.Memo.isEmpty() && memo.FontSize > 0 && !drawOneLine(painter, memo, inner, m)) {
        const QFont font = memoFont(memo, memo.FontSize, painter.device(), m.sy);
        QTextOption option(horizontalAlignment(memo));
        option.setWrapMode((memo.Flags & flWordWrap) ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                                     : QTextOption::NoWrap);
        const double spacing = memo.LineSpacing * m.sy;
        const double width = std::max(0.0, inner.width());

        std::vector<std::unique_ptr<QTextLayout>> layouts;
        double y = 0;
        int lineCount = 0;
        for (const QString& text : memo.Memo) {
            auto layout = std::make_unique<QTextLayout>(text, font, painter.device());
            layout->setTextOption(option);
            layout->beginLayout();
            for (QTextLine line = layout->createLine(); line.isValid();
                 line = layout->createLine()) {
                line.setLineWidth(width);
                if (lineCount++ > 0)
                    y += spacing;
                line.setPosition(QPointF(0, y));
                y += line.ascent() + line.descent();
            }
            layout->endLayout();
            layouts.push_back(std::move(layout));
        }
        const double top = blockTop(memo, inner, y);
        QColor color = colorFromRef(memo.FontColor);
        painter.save();
        painter.setClipRect(box);
        painter.setPen(color.isValid() ? color : QColor(Qt::black));
        for (const auto& layout : layouts)
            layout->draw(&painter, QPointF(inner.left(), top));
        painter.restore();
    }
    drawFrame(painter, memo, m);
}

} // namespace

QColor colorFromRef(std::int32_t ref) {
    if (ref == kColorNone || ref < 0)
        return {};
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

void renderPage(QPainter& painter, const PreparedPage& page, const QRectF& target) {
    if (page.width <= 0 || page.height <= 0)
        return;
    const Mapping m{target.topLeft(), target.width() / page.width, target.height() / page.height};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& view : page.objects) {
        if (view->type() == FrObjectType::Memo)
            drawMemo(painter, static_cast<const TfrMemoView&>(*view), m);
        else if (view->type() == FrObjectType::Line)
            drawFrame(painter, *view, m);
    }
    painter.restore();
}
