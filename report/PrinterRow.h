#pragma once

#include <QString>

class QBoxLayout;
class QComboBox;
class QPushButton;
class QWidget;

// The "Printer" group both printer dialogs open with: a "&Name:" label, the
// printer list (objectName "cbPrinter") and the properties button
// ("btnProperties"), added to `layout`.
struct PrinterRow {
    QComboBox* printers;
    QPushButton* properties;
};
PrinterRow addPrinterRow(QBoxLayout* layout, QWidget* parent, const QString& propertiesText);
