#include "tests/support/WidgetDriving.h"

#include <QTableWidget>
#include <QTest>

namespace TestSupport {

QPoint cellCentre(const QTableWidget* table, int column, int row) {
    return table->visualRect(table->model()->index(row, column)).center();
}

void typeAndLeave(QWidget* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace TestSupport
