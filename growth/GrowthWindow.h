#pragma once

#include "calc/Growth.h"
#include "calc/RegionalSettings.h"

#include <QDialog>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

// "Growth - Tallowmere": one schedule cell year by year. A heading names the
// savings, rate, frequency and term; a chart stacks paid in and earned at each
// row, with a readout of the bar under the pointer (or of the table's current
// row); the table below lists the rows in the grid's number formats. Copy puts
// the table on the clipboard tab-separated, Save As writes it as CSV through
// the dialog service. Resizable; its size is remembered in the per-user
// settings store; Escape closes it.
class GrowthWindow : public QDialog {
    Q_OBJECT
public:
    GrowthWindow(const Growth& growth, const RegionalSettings& regional, QWidget* parent = nullptr);

    const Growth& growth() const { return m_growth; }

    void btnCopyClick();
    void btnSaveAsClick();

    // The readout's text for row `index` of the growth, or its prompt for -1.
    QString readoutText(qsizetype index) const;

    // Remembers the window's size, however it closes.
    void done(int result) override;

private:
    void buildTable();
    void showReadout(qsizetype index);

    Growth m_growth;
    RegionalSettings m_regional;
    QLabel* lblHeading = nullptr;
    QChartView* chvGrowth = nullptr;
    QLabel* lblReadout = nullptr;
    QTableWidget* tblGrowth = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnSaveAs = nullptr;
    QPushButton* btnClose = nullptr;
};
