#include "widgets/TStringAlignGrid.h"

#include "widgets/GridCellDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int DefaultRowHeight = 18;

quint64 cellKey(int column, int row) {
    return (quint64(quint32(column)) << 32) | quint32(row);
}

// Sets a colour, or with an invalid one removes it.
template <typename Key>
void putColor(QHash<Key, QColor>& colors, Key key, const QColor& color) {
    if (color.isValid())
        colors.insert(key, color);
    else
        colors.remove(key);
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

// A cell that tells assistive technology its text without the leading blanks
// and, for a value cell, what the value is made of.
class GridItem : public QTableWidgetItem {
public:
    QVariant data(int role) const override {
        if (role == Qt::AccessibleTextRole)
            return text().trimmed();
        if (role == Qt::AccessibleDescriptionRole) {
            if (const auto* grid = qobject_cast<const TStringAlignGrid*>(tableWidget()))
                return grid->cellDescription(column(), row());
        }
        return QTableWidgetItem::data(role);
    }
};

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
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

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
    applyColors();
}

void TStringAlignGrid::setColumnColor(int column, const QColor& color) {
    putColor(m_columnColors, column, color);
    applyColors();
}

void TStringAlignGrid::setRowColor(int row, const QColor& color) {
    putColor(m_rowColors, row, color);
    applyColors();
}

void TStringAlignGrid::setCellColor(int column, int row, const QColor& color) {
    putColor(m_cellColors, cellKey(column, row), color);
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

QPoint TStringAlignGrid::keyboardCell() const {
    const int column = currentColumn();
    const int row = currentRow();
    return isValueCell(column, row) ? QPoint(column, row) : QPoint(-1, -1);
}

QString TStringAlignGrid::cellDescription(int column, int row) const {
    if (!isValueCell(column, row))
        return {};
    QStringList parts{cellText(0, row).trimmed(), cellText(column, 0).trimmed()};
    parts.removeAll(QString());
    if (const QString hint = hintFor(column, row); !hint.isEmpty())
        parts << displayedHint(hint);
    return parts.join(u'\n');
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
    if (moveByKey(event->key(), event->modifiers())) {
        m_movingKey = event->key();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (const QPoint cell = keyboardCell(); cell.x() >= 0)
            emit cellEntered(cell.x(), cell.y());
        event->accept();
        return;
    }
    // Copy takes the current cell's text; every other key (typing would jump
    // to a matching cell) is left to the window.
    if (event->matches(QKeySequence::Copy)) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->ignore();
}

void TStringAlignGrid::keyReleaseEvent(QKeyEvent* event) {
    // Any key closes a tooltip; the one of the cell just reached comes back.
    if (event->key() == m_movingKey && !event->isAutoRepeat()) {
        m_movingKey = 0;
        if (const QPoint cell = keyboardCell(); cell.x() >= 0)
            showHint(cell.x(), cell.y());
    }
    QTableWidget::keyReleaseEvent(event);
}

void TStringAlignGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason)
        return;
    const QPoint cell = keyboardCell();
    if (cell.x() < 0)
        return;
    emit cellReached(cell.x(), cell.y());
    // The Tab key's release, still to come, closes a tip shown now; the tip
    // shows once the key press is done, and again on the release.
    m_movingKey = event->reason() == Qt::TabFocusReason ? Qt::Key_Tab : Qt::Key_Backtab;
    QTimer::singleShot(0, this, [this] {
        if (const QPoint at = keyboardCell(); hasFocus() && at.x() >= 0)
            showHint(at.x(), at.y());
    });
}

// Moves the selected cell as `key` asks, within the value cells; false for a
// key that moves nothing.
bool TStringAlignGrid::moveByKey(int key, Qt::KeyboardModifiers modifiers) {
    const int lastColumn = columnCount() - 1;
    const int lastRow = rowCount() - 1;
    if (lastColumn < 1 || lastRow < 1)
        return false;
    QPoint cell = keyboardCell();
    if (cell.x() < 0)
        cell = {1, 1};
    const bool control = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Up:
        cell.ry() -= 1;
        break;
    case Qt::Key_Down:
        cell.ry() += 1;
        break;
    case Qt::Key_Left:
        cell.rx() -= 1;
        break;
    case Qt::Key_Right:
        cell.rx() += 1;
        break;
    case Qt::Key_Home:
        cell = {1, control ? 1 : cell.y()};
        break;
    case Qt::Key_End:
        cell = {lastColumn, control ? lastRow : cell.y()};
        break;
    case Qt::Key_PageUp:
        cell.setY(1);
        break;
    case Qt::Key_PageDown:
        cell.setY(lastRow);
        break;
    default:
        return false;
    }
    selectCell(std::clamp(cell.x(), 1, lastColumn), std::clamp(cell.y(), 1, lastRow));
    reachCell(currentColumn(), currentRow());
    return true;
}

void TStringAlignGrid::reachCell(int column, int row) {
    emit cellReached(column, row);
    if (!showHint(column, row) && QToolTip::isVisible())
        QToolTip::hideText();
}

void TStringAlignGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyColors();
}

// Also gives every cell its item.
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
    auto* cell = new GridItem;
    cell->setFlags(isFixedCell(column, row) ? Qt::ItemIsEnabled
                                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(Qt::AlignCenter);
    cell->setBackground(effectiveBackground(column, row));
    setItem(row, column, cell);
    return cell;
}

bool TStringAlignGrid::isFixedCell(int column, int row) const {
    return column == 0 || row == 0;
}

bool TStringAlignGrid::isCell(int column, int row) const {
    return column >= 0 && column < columnCount() && row >= 0 && row < rowCount();
}

bool TStringAlignGrid::isValueCell(int column, int row) const {
    return isCell(column, row) && !isFixedCell(column, row);
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
