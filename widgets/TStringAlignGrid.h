#pragma once

#include <QColor>
#include <QHash>
#include <QTableWidget>
#include <functional>

// Text grid addressed by (column, row) with a fixed first row and column,
// background colours per column, per row and per cell (cell over column over
// row, header cells excluded), a selection drawn in its own colours, and per-cell
// tooltips whose text a callback supplies. Tooltips appear 6 pixels below the
// cell's lower left corner and are re-shown when the pointer reaches another cell.
// Cell (c, r) is item(r, c).
class TStringAlignGrid : public QTableWidget {
    Q_OBJECT
public:
    // (column, row, hint in/out); an empty hint shows no tooltip.
    using HintCallback = std::function<void(int column, int row, QString& hint)>;

    TStringAlignGrid(int columns, int rows, QWidget* parent = nullptr);

    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString& text);

    void setRowCount(int rows); // keeps every cell holding an item

    void setColumnColor(int column, const QColor& color);
    void setRowColor(int row, const QColor& color);
    void setCellColor(int column, int row, const QColor& color);
    void clearColors();
    QColor effectiveBackground(int column, int row) const;

    void setSelectionColors(const QColor& background, const QColor& text);
    // Selects exactly one cell.
    void selectCell(int column, int row);
    int selectedColumn() const;
    int selectedRow() const;

    // (column, row) under a viewport position, or -1 outside the cells.
    void mouseToCell(int x, int y, int& column, int& row) const;

    void setCellHintsEnabled(bool on);
    bool cellHintsEnabled() const { return m_hintsEnabled; }
    void setHintCallback(HintCallback callback) { m_hintCallback = std::move(callback); }
    // The tooltip text the grid would show for a cell now (callback applied).
    QString hintFor(int column, int row) const;

signals:
    void clicked(int column, int row);
    // Pointer moved over the cells; viewport coordinates.
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyColors();

    QHash<int, QColor> m_columnColors;
    QHash<int, QColor> m_rowColors;
    QHash<quint64, QColor> m_cellColors;
    QColor m_selectionBackground = Qt::yellow;
    QColor m_selectionText = Qt::black;
    bool m_hintsEnabled = false;
    HintCallback m_hintCallback;
    int m_lastHintColumn = -1;
    int m_lastHintRow = -1;
};
