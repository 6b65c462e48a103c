#pragma once

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QPrinter;
class QRadioButton;

// Printer setup: picks the application's current printer (the installed ones
// and the PDF printer). The report's own page fixes the paper and orientation
// (every page is printed on the paper it is laid out for), so the dialog shows
// them, disabled, with a note instead of offering a choice. OK applies the
// printer; Cancel leaves it as it was.
class TPrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    // `reportPaper`: the paper and orientation the report is laid out on.
    TPrinterSetupDialog(QPrinter& printer, const QPageLayout& reportPaper,
                        QWidget* parent = nullptr);

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
