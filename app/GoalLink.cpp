#include "app/GoalLink.h"

#include "app/GoalWindow.h"
#include "app/InputPanel.h"
#include "calc/GoalTexts.h"
#include "calc/Term.h"
#include "widgets/TStringAlignGrid.h"

#include <QScreen>
#include <algorithm>

GoalLink::GoalLink(const RegionalSettings& regional, InputPanel* inputs, TStringAlignGrid* grid,
                   std::function<void()> recalculate, QWidget* window)
    : QObject(window)
    , m_regional(regional)
    , m_inputs(inputs)
    , m_grid(grid)
    , m_recalculate(std::move(recalculate))
    , m_mainWindow(window)
    , m_snapshot(cleanSchedule()) {
    setObjectName(QStringLiteral("GoalLink1"));
}

QColor GoalLink::mark() {
    return QColor(0xB8, 0xE6, 0xB0); // a soft green
}

QColor GoalLink::markOnCross() {
    // Still a yellow first, with green mixed in: the cross stays one band.
    return QColor(0xD8, 0xF0, 0x30);
}

void GoalLink::showWindow() {
    if (!m_window) {
        m_window = new GoalWindow(m_regional, m_mainWindow);
        m_window->setWindowFlag(Qt::Window);
        m_window->setInputs(m_snapshot.inputs);
        connect(m_window, &GoalWindow::targetChanged, this, &GoalLink::applyMarks);
        connect(m_window, &GoalWindow::applyRequested, this, &GoalLink::apply);
        placeBesideMainWindow();
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

// Beside the main window, on the right where there is room, else on the left,
// else below its top edge: the grid stays in view.
void GoalLink::placeBesideMainWindow() {
    m_window->adjustSize();
    const QRect main = m_mainWindow->frameGeometry();
    const QSize size = m_window->frameGeometry().size();
    constexpr int kGap = 8;
    QPoint position(main.right() + 1 + kGap, main.top());
    if (const QScreen* screen = m_mainWindow->screen()) {
        const QRect area = screen->availableGeometry();
        if (position.x() + size.width() > area.right() + 1)
            position.setX(main.left() - kGap - size.width());
        if (position.x() < area.left())
            position = {main.right() + 1 - size.width(), main.top() + kGap};
        position.setX(std::clamp(position.x(), area.left(), area.right() + 1 - size.width()));
        position.setY(std::clamp(position.y(), area.top(), area.bottom() + 1 - size.height()));
    }
    m_window->move(position);
}

void GoalLink::scheduleChanged(const ScheduleSnapshot& snapshot) {
    m_snapshot = snapshot;
    if (m_window)
        m_window->setInputs(snapshot.inputs);
    applyMarks();
}

void GoalLink::applyMarks() {
    const GoalMarks marks = goalMarks(m_snapshot, m_window ? m_window->target() : std::nullopt);
    if (marks.reached == m_marks.reached)
        return;
    m_marks = marks;
    QList<TStringAlignGrid::CellColor> colors;
    for (int row = 1; row < kGridRows; ++row) {
        for (int column = 1; column < kGridColumns; ++column) {
            if (!m_marks.at(column, row))
                continue;
            const bool onCross = column == kBaseColumn || row == kBaseRow;
            colors.append({column, row, onCross ? markOnCross() : mark()});
        }
    }
    m_grid->replaceCellColors(colors);
}

void GoalLink::extendHint(int column, int row, QString& hintText) const {
    if (hintText.isEmpty() || column < 1 || column >= kGridColumns || row < 1 || row >= kGridRows ||
        !m_marks.at(column, row) || !m_window || !m_window->target())
        return;
    hintText += QStringLiteral("\r\n") + goalMarkLine(*m_window->target(), m_regional);
}

void GoalLink::apply(const GoalAnswer& answer) {
    m_inputs->applyGoal(answer);
    m_recalculate();
}
