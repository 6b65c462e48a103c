#include "report/PrinterRow.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

PrinterRow addPrinterRow(QBoxLayout* layout, QWidget* parent, const QString& propertiesText) {
    auto* box = new QGroupBox(QCoreApplication::translate("PrinterRow", "Printer"), parent);
    auto* row = new QHBoxLayout(box);
    auto* nameLabel = new QLabel(QCoreApplication::translate("PrinterRow", "&Name:"), box);
    auto* printers = new QComboBox(box);
    printers->setObjectName(QStringLiteral("cbPrinter"));
    printers->setMinimumWidth(240);
    nameLabel->setBuddy(printers);
    auto* properties = new QPushButton(propertiesText, box);
    properties->setObjectName(QStringLiteral("btnProperties"));
    row->addWidget(nameLabel);
    row->addWidget(printers, 1);
    row->addWidget(properties);
    layout->addWidget(box);
    return {printers, properties};
}
