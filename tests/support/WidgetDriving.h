#pragma once

#include <QPoint>
#include <QString>

class QTableWidget;
class QWidget;

// Driving controls as a user does.
namespace TestSupport {

// The centre of cell (column, row) in the table's viewport coordinates.
QPoint cellCentre(const QTableWidget* table, int column, int row);

// Gives `field` the focus by Tab, types `text` over its whole content and
// leaves it with Tab.
void typeAndLeave(QWidget* field, const QString& text);

} // namespace TestSupport
