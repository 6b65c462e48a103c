#include "growth/GrowthWindow.h"

#include "calc/GrowthTexts.h"
#include "growth/GrowthChart.h"
#include "platform/Application.h"
#include "platform/FontFamilies.h"
#include "platform/PlacementStore.h"
#include "platform/ProductInfo.h"
#include "platform/SafeFile.h"

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedBarSeries>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QSize kDefaultSize(760, 700);
const QString kSizeKey = QStringLiteral("GrowthWindow/Size");

QPushButton* addButton(QDialogButtonBox* box, const char* name, const QString& caption,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(caption, role);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

GrowthWindow::GrowthWindow(const Growth& growth, const RegionalSettings& regional, QWidget* parent)
    : QDialog(parent)
    , m_growth(growth)
    , m_regional(regional) {
    setObjectName(QStringLiteral("frmGrowth"));
    setWindowTitle(tr("Growth - %1").arg(QLatin1String(ProductInfo::kTitle)));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    QFont windowFont = font();
    windowFont.setFamilies(windowFontFamilies());
    windowFont.setPixelSize(12);
    setFont(windowFont);

    auto* layout = new QVBoxLayout(this);
    lblHeading = new QLabel(growthHeading(growth.inputs, regional), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setTextFormat(Qt::PlainText);
    lblHeading->setWordWrap(true);
    QFont headingFont = windowFont;
    headingFont.setBold(true);
    lblHeading->setFont(headingFont);
    layout->addWidget(lblHeading);

    chvGrowth = new QChartView(buildGrowthChart(growth, regional, windowFont), this);
    chvGrowth->setObjectName(QStringLiteral("chvGrowth"));
    chvGrowth->setRenderHint(QPainter::Antialiasing);
    chvGrowth->setMinimumHeight(220);
    chvGrowth->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(chvGrowth, 5);

    lblReadout = new QLabel(this);
    lblReadout->setObjectName(QStringLiteral("lblReadout"));
    lblReadout->setTextFormat(Qt::PlainText);
    layout->addWidget(lblReadout);

    buildTable();
    layout->addWidget(tblGrowth, 4);

    auto* buttons = new QDialogButtonBox(this);
    btnCopy = addButton(buttons, "btnCopy", tr("&Copy"), QDialogButtonBox::ActionRole);
    btnSaveAs = addButton(buttons, "btnSaveAs", tr("&Save As..."), QDialogButtonBox::ActionRole);
    btnClose = addButton(buttons, "btnClose", tr("Close"), QDialogButtonBox::RejectRole);
    // Enter closes, wherever the focus is; the other two need their own keys.
    btnCopy->setAutoDefault(false);
    btnSaveAs->setAutoDefault(false);
    btnClose->setDefault(true);
    layout->addWidget(buttons);
    connect(btnCopy, &QPushButton::clicked, this, [this] { btnCopyClick(); });
    connect(btnSaveAs, &QPushButton::clicked, this, [this] { btnSaveAsClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    const bool hasRows = !growth.rows.isEmpty();
    btnCopy->setEnabled(hasRows);
    btnSaveAs->setEnabled(hasRows);
    if (QStackedBarSeries* series = growthSeries(chvGrowth->chart())) {
        connect(series, &QStackedBarSeries::hovered, this,
                [this](bool entered, int index, QBarSet*) {
                    // Leaving a bar goes back to the table's current row.
                    showReadout(entered ? index : tblGrowth->currentRow());
                });
    }
    showReadout(tblGrowth->currentRow());

    if (hasRows) {
        // A size remembered on a larger screen must not outgrow this one.
        QSize size = PlacementStore().sizeValue(kSizeKey, kDefaultSize);
        if (const QScreen* screen = this->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        resize(size.expandedTo(minimumSizeHint()));
    } else {
        // Only the heading and why there is nothing to show: a small window.
        layout->insertStretch(layout->indexOf(buttons));
        resize(sizeHint().expandedTo(QSize(kDefaultSize.width(), 0)));
    }
    (hasRows ? static_cast<QWidget*>(tblGrowth) : btnClose)->setFocus();
}

void GrowthWindow::done(int result) {
    if (!m_growth.rows.isEmpty()) { // the small window of an empty term is no choice of size
        PlacementStore store;
        store.setValue(kSizeKey, size());
        store.save();
    }
    QDialog::done(result);
}

void GrowthWindow::buildTable() {
    // The titles stay English in the saved table; the window shows them translated.
    QStringList titles;
    for (const QString& title : growthColumnTitles())
        titles << QCoreApplication::translate("GrowthTexts", title.toUtf8().constData());
    tblGrowth = new QTableWidget(int(m_growth.rows.size()), int(titles.size()), this);
    tblGrowth->setObjectName(QStringLiteral("tblGrowth"));
    tblGrowth->setAccessibleName(tr("Growth year by year"));
    tblGrowth->setHorizontalHeaderLabels(titles);
    tblGrowth->verticalHeader()->hide();
    tblGrowth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGrowth->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblGrowth->setSelectionMode(QAbstractItemView::SingleSelection);
    tblGrowth->setTabKeyNavigation(false);
    tblGrowth->setAlternatingRowColors(true);
    tblGrowth->setWordWrap(false);
    tblGrowth->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblGrowth->horizontalHeader()->setHighlightSections(false);
    tblGrowth->verticalHeader()->setDefaultSectionSize(tblGrowth->fontMetrics().height() + 6);
    for (int row = 0; row < tblGrowth->rowCount(); ++row) {
        const QStringList texts = growthRowTexts(m_growth.rows[row], m_regional);
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            // The date reads left to right; numbers line up on the right.
            item->setTextAlignment(Qt::AlignVCenter |
                                   (column == 1 ? Qt::AlignLeft : Qt::AlignRight));
            tblGrowth->setItem(row, column, item);
        }
    }
    if (m_growth.rows.isEmpty()) {
        // In place of the rows, why there are none.
        tblGrowth->hide();
        chvGrowth->hide();
    }
    connect(tblGrowth, &QTableWidget::currentCellChanged, this,
            [this](int row) { showReadout(row); });
    // The last row is the cell the window was opened for: current and in view.
    if (tblGrowth->rowCount() > 0)
        tblGrowth->setCurrentCell(tblGrowth->rowCount() - 1, 0);
}

QString GrowthWindow::readoutText(qsizetype index) const {
    if (m_growth.rows.isEmpty())
        return growthNoRowsText(m_growth.inputs.term);
    if (index < 0 || index >= m_growth.rows.size())
        return tr("Point at a bar, or pick a row of the table, to read its figures.");
    const GrowthRow& row = m_growth.rows[index];
    const QStringList texts = growthRowTexts(row, m_regional);
    return tr("%1, after %2 months: paid in %3 + earned %4 = balance %5")
        .arg(texts[1], texts[0], texts[2], texts[3], texts[4]);
}

void GrowthWindow::showReadout(qsizetype index) {
    lblReadout->setText(readoutText(index));
}

void GrowthWindow::btnCopyClick() {
    QApplication::clipboard()->setText(growthAsTabSeparated(m_growth, m_regional));
}

void GrowthWindow::btnSaveAsClick() {
    DialogService& dialogs = Application::instance()->dialogs();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = dialogs.getSaveFileName(this, tr("Save As"),
                                           QDir(folder).filePath(QStringLiteral("growth.csv")),
                                           tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    // Written whole or not at all: an existing file survives a failed write.
    try {
        SafeFile::write(path, growthAsCsv(m_growth, m_regional).toUtf8(),
                        SafeFile::Special::WriteNow);
    } catch (const SafeFile::Error& error) {
        dialogs.messageBox(this, windowTitle(),
                           tr("The table could not be saved to %1:\r\n%2")
                               .arg(QDir::toNativeSeparators(path), error.reason()),
                           DialogService::Icon::Warning, DialogService::Buttons::Ok);
    }
}
