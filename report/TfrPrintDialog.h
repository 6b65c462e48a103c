#pragma once

#include "report/PrintJob.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPrinter;
class QRadioButton;
class QSpinBox;
class TfrReport;

// The print dialog of the preview: printer (switched at once, put back on
// Cancel), page range, copies and collation, all/odd/even pages. OK checks the
// page list, prepares the report again when the printer changed, and for the
// PDF printer asks for the file; then sequence() holds the pages to print.
class TfrPrintDialog : public QDialog {
    Q_OBJECT
public:
    TfrPrintDialog(TfrReport& report, QPrinter& printer, int currentPage,
                   QWidget* parent = nullptr);

    PrintJob job() const;
    const QList<int>& sequence() const { return m_sequence; }

    void accept() override;
    void reject() override;

private:
    void printerPicked(int index);

    TfrReport& m_report;
    QPrinter& m_printer;
    int m_currentPage;
    QString m_originalPrinter;
    bool m_switchFailed = false;
    QList<int> m_sequence;
    QComboBox* m_printers = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_current = nullptr;
    QRadioButton* m_pages = nullptr;
    QLineEdit* m_pagesText = nullptr;
    QSpinBox* m_copies = nullptr;
    QCheckBox* m_collate = nullptr;
    QComboBox* m_parity = nullptr;
};
