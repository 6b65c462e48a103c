#include "report/ReportRenderer.h"

#include "report/PreparedReport.h"

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

QFont memoFont(const TfrMemoView& memo, const QPaintDevice* device, double sy) {
    QFont font(memo.FontName);
    // The font's height in units is size/72 inch; points are converted by the
    // device's resolution, so scale them to the mapping.
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    font.setPointSizeF(std::max(0.1, memo.FontSize * kUnitsPerInch * sy / dpi));
    font.setBold(memo.FontStyle & fsBold);
    font.setItalic(memo.FontStyle & fsItalic);
    font.setUnderline(memo.FontStyle & fsUnderline);
    font.setStrikeOut(memo.FontStyle & fsStrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawMemo(QPainter& painter, const TfrMemoView& memo, const Mapping& m) {
    const QRectF box = m.rect(memo);
    const QColor fill = colorFromRef(memo.FillColor);
    if (fill.isValid())
        painter.fillRect(box, fill);
    if (!memo.Memo.isEmpty() && memo.FontSize > 0) {
        const QRectF inner =
            box.adjusted(memo.GapX * m.sx, memo.GapY * m.sy, -memo.GapX * m.sx, -memo.GapY * m.sy);
        const QFont font = memoFont(memo, painter.device(), m.sy);
        QTextOption option;
        const int horizontal = memo.Alignment & 3;
        option.setAlignment(horizontal == frtaRight    ? Qt::AlignRight
                            : horizontal == frtaCenter ? Qt::AlignHCenter
                                                       : Qt::AlignLeft);
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
        double top = inner.top();
        if (memo.Alignment & frtaMiddle)
            top += (inner.height() - y) / 2;
        else if (memo.Alignment & frtaDown)
            top += inner.height() - y;
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
