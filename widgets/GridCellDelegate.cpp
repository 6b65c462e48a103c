#include "widgets/GridCellDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

GridCellDelegate::GridCellDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

void GridCellDelegate::setSelectionColors(const QColor& background, const QColor& text) {
    m_selectionBackground = background;
    m_selectionText = text;
}

QColor GridCellDelegate::inkOn(const QColor& fill) {
    // Perceived brightness: light fills take black text, dark ones white.
    const double brightness = 0.299 * fill.redF() + 0.587 * fill.greenF() + 0.114 * fill.blueF();
    return brightness >= 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

QFont GridCellDelegate::fittingFont(const QFont& font, const QString& text, int width) {
    if (QFontMetrics(font).horizontalAdvance(text) <= width)
        return font;
    QFont smaller = font;
    for (int size = QFontInfo(font).pixelSize() - 1; size >= kSmallestPixelSize; --size) {
        smaller.setPixelSize(size);
        if (QFontMetrics(smaller).horizontalAdvance(text) <= width)
            break;
    }
    return smaller;
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const bool selected = cell.state & QStyle::State_Selected;
    // A cell that cannot be selected is a fixed (header) cell.
    const bool fixed = !(index.flags() & Qt::ItemIsSelectable);

    painter->save();
    const QVariant background = index.data(Qt::BackgroundRole);
    QColor fill = background.canConvert<QBrush>() ? background.value<QBrush>().color()
                                                  : cell.palette.color(QPalette::Base);
    QColor ink = cell.palette.color(QPalette::Text);
    if (selected) {
        fill = m_selectionBackground;
        ink = m_selectionText;
    } else if (fixed) {
        ink = cell.palette.color(QPalette::ButtonText);
    } else if (fill != cell.palette.color(QPalette::Base)) {
        // A colour of the grid's own (the yellow cross, a marked cell) keeps
        // its text readable whatever the theme's text colour is.
        ink = inkOn(fill);
    }
    painter->fillRect(cell.rect, fill);

    if (fixed) {
        const QRect r = cell.rect.adjusted(0, 0, -1, -1);
        painter->setPen(cell.palette.color(QPalette::Light));
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.topLeft(), r.bottomLeft());
        painter->setPen(cell.palette.color(QPalette::Mid));
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
    }

    const QRect textRect = cell.rect.adjusted(2, 0, -2, 0);
    painter->setFont(fittingFont(cell.font, cell.text, textRect.width()));
    painter->setPen(ink);
    painter->drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, cell.text);

    if ((cell.state & QStyle::State_HasFocus) && selected) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(cell);
        focus.rect = cell.rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = fill;
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}
