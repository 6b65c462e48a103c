#pragma once

#include <QColor>
#include <QHash>
#include <QTableWidget>
#include <functional>

class GridCellDelegate;

// Text grid addressed by (column, row) with a fixed first row and column,
// background colours per column, per row and per cell (cell over column over
// row, header cells excluded), a selection drawn in its own colours, and per-cell
// tooltips whose text a callback supplies. Tooltips appear 6 pixels below the
// cell's lower left corner and are re-shown when the pointer reaches another cell.
// Cell (c, r) is item(r, c); every cell holds an item. Nothing is editable and
// there are no scroll bars. The grid is a Tab stop: the arrow keys (and Home,
// End, Page Up, Page Down) move the selected cell over the value cells and show
// its tooltip at the cell, Enter reports the cell. For accessibility each cell
// reports its text trimmed as its name and, for a value cell, its row and column
// headers and its tooltip as its description.
class TStringAlignGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultColumnWidth = 76;

    // (column, row, hint in/out); an empty hint shows no tooltip.
    using HintCallback = std::function<void(int column, int row, QString& hint)>;

    // Pixels between a cell's lower edge and its tooltip.
    static constexpr int HintOffset = 6;

    TStringAlignGrid(int columns, int rows, QWidget* parent = nullptr);

    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString& text);

    void setRowCount(int rows); // keeps every cell holding an item

    // An invalid colour removes the column's, row's or cell's own colour.
    void setColumnColor(int column, const QColor& color);
    void setRowColor(int row, const QColor& color);
    void setCellColor(int column, int row, const QColor& color);
    // Every cell's own colour at once: the listed cells get theirs, all others
    // lose theirs.
    struct CellColor {
        int column;
        int row;
        QColor color;
    };
    void replaceCellColors(const QList<CellColor>& colors);
    void clearColors();
    QColor effectiveBackground(int column, int row) const;
    // The colour of the fixed cells: the style's button face.
    QColor fixedCellColor() const;

    void setSelectionColors(const QColor& background, const QColor& text);
    QColor selectionBackground() const { return m_selectionBackground; }
    QColor selectionText() const { return m_selectionText; }
    // Selects exactly one cell.
    void selectCell(int column, int row);
    int selectedColumn() const;
    int selectedRow() const;

    // (column, row) under a viewport position, or -1 outside the cells.
    void mouseToCell(int x, int y, int& column, int& row) const;

    void setCellHintsEnabled(bool on);
    bool cellHintsEnabled() const { return m_hintsEnabled; }
    void setHintCallback(HintCallback callback) { m_hintCallback = std::move(callback); }
    // The tooltip text for a cell (callback applied), whether or not hints are
    // on; empty outside the cells.
    QString hintFor(int column, int row) const;
    // Where a cell's tooltip goes: 6 pixels below its lower left corner, in
    // global coordinates.
    QPoint hintPosition(int column, int row) const;

    // The selected value cell the keyboard stands on, or (-1, -1).
    QPoint keyboardCell() const;
    // A cell's accessible description: for a value cell its row and column
    // headers, then its tooltip; empty for the header cells.
    QString cellDescription(int column, int row) const;

signals:
    void clicked(int column, int row);
    // The keyboard reached value cell (column, row): an arrow key moved there,
    // or the focus came to the grid by Tab.
    void cellReached(int column, int row);
    // Enter was pressed on value cell (column, row).
    void cellEntered(int column, int row);
    // Pointer moved over the cells; viewport coordinates.
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColors();
    QTableWidgetItem* ensureItem(int column, int row);
    bool isFixedCell(int column, int row) const;
    bool isCell(int column, int row) const;
    bool isValueCell(int column, int row) const;
    bool moveByKey(int key, Qt::KeyboardModifiers modifiers);
    void reachCell(int column, int row);
    bool showHint(int column, int row);
    void forgetHint();

    GridCellDelegate* m_delegate;
    QHash<int, QColor> m_columnColors;
    QHash<int, QColor> m_rowColors;
    QHash<quint64, QColor> m_cellColors;
    QColor m_selectionBackground = Qt::yellow;
    QColor m_selectionText = Qt::black;
    bool m_hintsEnabled = false;
    HintCallback m_hintCallback;
    int m_lastHintColumn = -1;
    int m_lastHintRow = -1;
    // The key whose press moved the cell: its release shows the cell's tooltip,
    // since the tooltip closes on every key press and release.
    int m_movingKey = 0;
};
