#include "widgets/TStringAlignGrid.h"

#include "widgets/GridCellDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>

namespace {

constexpr int DefaultRowHeight = 18;

quint64 cellKey(int column, int row) {
    return (quint64(quint32(column)) << 32) | quint32(row);
}

// Hints keep their line breaks in whatever form the owner wrote them (CR LF,
// LF CR, CR); the tooltip shows each as one line break.
QString displayedHint(QString hint) {
    hint.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    hint.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    hint.replace(u'\r', u'\n');
    return hint;
}

// The tooltip window places itself below and right of the pointer; the grid's
// tips belong at a fixed place under their cell, kept on the screen.
void moveVisibleTipTo(QPoint position) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (!window->inherits("QTipLabel") || !window->isVisible())
            continue;
        if (const QScreen* screen = QGuiApplication::screenAt(position)) {
            const QRect area = screen->geometry();
            position.setX(std::min(position.x(), area.right() + 1 - window->width()));
            position.setY(std::min(position.y(), area.bottom() + 1 - window->height()));
            position.setX(std::max(position.x(), area.left()));
            position.setY(std::max(position.y(), area.top()));
        }
        window->move(position);
    }
}

} // namespace

TStringAlignGrid::TStringAlignGrid(int columns, int rows, QWidget* parent)
    : QTableWidget(rows, columns, parent)
    , m_delegate(new GridCellDelegate(this)) {
    setItemDelegate(m_delegate);
    m_delegate->setSelectionColors(m_selectionBackground, m_selectionText);

    // Row 0 and column 0 are the header cells; the view's own headers only
    // keep the section sizes.
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::ClickFocus);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    ensureItems();
    applyColors();
}

QString TStringAlignGrid::cellText(int column, int row) const {
    const QTableWidgetItem* cell = isCell(column, row) ? item(row, column) : nullptr;
    return cell ? cell->text() : QString();
}

void TStringAlignGrid::setCellText(int column, int row, const QString& text) {
    if (QTableWidgetItem* cell = ensureItem(column, row))
        cell->setText(text);
}

void TStringAlignGrid::setRowCount(int rows) {
    QTableWidget::setRowCount(rows);
    ensureItems();
    applyColors();
}

void TStringAlignGrid::setColumnColor(int column, const QColor& color) {
    if (color.isValid())
        m_columnColors.insert(column, color);
    else
        m_columnColors.remove(column);
    applyColors();
}

void TStringAlignGrid::setRowColor(int row, const QColor& color) {
    if (color.isValid())
        m_rowColors.insert(row, color);
    else
        m_rowColors.remove(row);
    applyColors();
}

void TStringAlignGrid::setCellColor(int column, int row, const QColor& color) {
    if (color.isValid())
        m_cellColors.insert(cellKey(column, row), color);
    else
        m_cellColors.remove(cellKey(column, row));
    applyColors();
}

void TStringAlignGrid::replaceCellColors(const QList<CellColor>& colors) {
    m_cellColors.clear();
    for (const CellColor& cell : colors)
        if (cell.color.isValid())
            m_cellColors.insert(cellKey(cell.column, cell.row), cell.color);
    applyColors();
}

void TStringAlignGrid::clearColors() {
    m_columnColors.clear();
    m_rowColors.clear();
    m_cellColors.clear();
    applyColors();
}

QColor TStringAlignGrid::effectiveBackground(int column, int row) const {
    if (!isCell(column, row))
        return {};
    if (isFixedCell(column, row))
        return fixedCellColor();
    if (const auto cell = m_cellColors.constFind(cellKey(column, row));
        cell != m_cellColors.constEnd())
        return *cell;
    if (const auto col = m_columnColors.constFind(column); col != m_columnColors.constEnd())
        return *col;
    if (const auto line = m_rowColors.constFind(row); line != m_rowColors.constEnd())
        return *line;
    return palette().color(QPalette::Base);
}

QColor TStringAlignGrid::fixedCellColor() const {
    return palette().color(QPalette::Button);
}

void TStringAlignGrid::setSelectionColors(const QColor& background, const QColor& text) {
    m_selectionBackground = background;
    m_selectionText = text;
    m_delegate->setSelectionColors(background, text);
    viewport()->update();
}

void TStringAlignGrid::selectCell(int column, int row) {
    if (!isCell(column, row))
        return;
    setCurrentCell(row, column, QItemSelectionModel::ClearAndSelect);
}

int TStringAlignGrid::selectedColumn() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().column();
}

int TStringAlignGrid::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TStringAlignGrid::mouseToCell(int x, int y, int& column, int& row) const {
    column = columnAt(x);
    row = rowAt(y);
}

void TStringAlignGrid::setCellHintsEnabled(bool on) {
    if (on == m_hintsEnabled)
        return;
    m_hintsEnabled = on;
    if (!on) {
        if (m_lastHintColumn >= 0 && QToolTip::isVisible())
            QToolTip::hideText();
        forgetHint();
    }
}

QString TStringAlignGrid::hintFor(int column, int row) const {
    QString hint;
    if (isCell(column, row) && m_hintCallback)
        m_hintCallback(column, row, hint);
    return hint;
}

QPoint TStringAlignGrid::hintPosition(int column, int row) const {
    const QRect cell = visualRect(model()->index(row, column));
    return viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, HintOffset));
}

bool TStringAlignGrid::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        int column = -1;
        int row = -1;
        mouseToCell(at.x(), at.y(), column, row);
        if (!m_hintsEnabled || !showHint(column, row)) {
            QToolTip::hideText();
            forgetHint();
            event->ignore();
        }
        return true;
    }
    case QEvent::Leave:
        forgetHint();
        break;
    default:
        break;
    }
    return QTableWidget::viewportEvent(event);
}

void TStringAlignGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    int column = -1;
    int row = -1;
    mouseToCell(at.x(), at.y(), column, row);
    if (column >= 0 && row >= 0)
        emit clicked(column, row);
}

void TStringAlignGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMoved(event->modifiers(), at.x(), at.y());

    // A tip already showing follows the pointer from cell to cell at once.
    if (m_hintsEnabled && m_lastHintColumn >= 0 && QToolTip::isVisible()) {
        int column = -1;
        int row = -1;
        mouseToCell(at.x(), at.y(), column, row);
        if ((column != m_lastHintColumn || row != m_lastHintRow) && !showHint(column, row)) {
            QToolTip::hideText();
            forgetHint();
        }
    }
    // Dragging with a button held would drag the selection along; the grid
    // only knows clicks.
    if (event->buttons() == Qt::NoButton)
        QTableWidget::mouseMoveEvent(event);
}

void TStringAlignGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before)
        emit clicked(after.column(), after.row());
}

void TStringAlignGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyColors();
}

void TStringAlignGrid::applyColors() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem* cell = ensureItem(column, row);
            const QBrush brush(effectiveBackground(column, row));
            if (cell->background() != brush)
                cell->setBackground(brush);
        }
    }
}

QTableWidgetItem* TStringAlignGrid::ensureItem(int column, int row) {
    if (!isCell(column, row))
        return nullptr;
    if (QTableWidgetItem* existing = item(row, column))
        return existing;
    auto* cell = new QTableWidgetItem;
    cell->setFlags(isFixedCell(column, row) ? Qt::ItemIsEnabled
                                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(Qt::AlignCenter);
    cell->setBackground(effectiveBackground(column, row));
    setItem(row, column, cell);
    return cell;
}

void TStringAlignGrid::ensureItems() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            ensureItem(column, row);
    }
}

bool TStringAlignGrid::isFixedCell(int column, int row) const {
    return column == 0 || row == 0;
}

bool TStringAlignGrid::isCell(int column, int row) const {
    return column >= 0 && column < columnCount() && row >= 0 && row < rowCount();
}

bool TStringAlignGrid::showHint(int column, int row) {
    if (!isCell(column, row))
        return false;
    const QString hint = hintFor(column, row);
    if (hint.isEmpty())
        return false;
    const QRect cell = visualRect(model()->index(row, column));
    const QPoint position = hintPosition(column, row);
    QToolTip::showText(position, displayedHint(hint), viewport(), cell);
    moveVisibleTipTo(position);
    m_lastHintColumn = column;
    m_lastHintRow = row;
    return true;
}

void TStringAlignGrid::forgetHint() {
    m_lastHintColumn = -1;
    m_lastHintRow = -1;
}
