#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Paints one cell of the schedule grid: its background (the item's background
// role), its text centred, and the selected cell in the selection colours
// whether or not the grid has the focus. Fixed cells get a raised edge. A cell
// coloured apart from the palette's base gets black or white text, whichever
// reads on its colour, so a dark theme never puts white text on yellow.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellDelegate(QObject* parent = nullptr);

    void setSelectionColors(const QColor& background, const QColor& text);

    // `font`, or the same font in the largest smaller pixel size in which
    // `text` fits into `width` (at the smallest, 6 pixels), so a long amount
    // shows every digit instead of being clipped at both ends.
    static QFont fittingFont(const QFont& font, const QString& text, int width);

    // The text colour that reads on `fill`: black on light colours, white on dark.
    static QColor inkOn(const QColor& fill);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    static constexpr int kSmallestPixelSize = 6;

    QColor m_selectionBackground = Qt::yellow;
    QColor m_selectionText = Qt::black;
};
