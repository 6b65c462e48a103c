#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QRadioButton;

// Printer setup: picks the application's current printer (the installed ones
// and the PDF printer), its paper and orientation. OK applies the choice to the
// printer; Cancel leaves it as it was.
class TPrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPrinterSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    // Shows the printer's current choice, then runs modally.
    int exec() override;
    void accept() override;
    void reject() override;

private:
    void load();

    QPrinter& m_printer;
    QString m_original; // the printer when the dialog opened
    QComboBox* m_printers = nullptr;
    QComboBox* m_paper = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
};
