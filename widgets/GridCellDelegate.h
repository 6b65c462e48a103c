#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Paints one cell of the schedule grid: its background (the item's background
// role), its text centred, and the selected cell in the selection colours
// whether or not the grid has the focus. Fixed cells get a raised edge.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellDelegate(QObject* parent = nullptr);

    void setSelectionColors(const QColor& background, const QColor& text);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QColor m_selectionBackground = Qt::yellow;
    QColor m_selectionText = Qt::black;
};
