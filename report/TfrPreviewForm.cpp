#include "report/TfrPreviewForm.h"

#include "platform/Application.h"
#include "platform/PlacementStore.h"
#include "platform/PngPicture.h"
#include "platform/ProductInfo.h"
#include "platform/SafeFile.h"
#include "report/PreparedReport.h"
#include "report/PrintJob.h"
#include "report/PrinterChoice.h"
#include "report/ReportPageSetup.h"
#include "report/ReportPdf.h"
#include "report/ReportRenderer.h"
#include "report/TPrinterSetupDialog.h"
#include "report/TfrPrintDialog.h"
#include "report/TfrReport.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <cmath>

namespace {

constexpr int kGap = 10;
constexpr int kScrollMax = 32000;
constexpr int kSmallStep = 10;
constexpr int kLargeStep = 200;
const QColor kBackground(128, 128, 128);
const char kPlacementGroup[] = "Form/TfrPreviewForm";

// A button picture from the desktop's icon theme (a freedesktop name), or our
// own where the theme has none.
QIcon themeIcon(const char* name, const char* fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name), pngIcon(QString::fromLatin1(fallback)));
}

QSize pageSizeOf(const TfrReport& report) {
    const auto& pages = report.prepared().pages;
    if (pages.empty())
        return {779, 1008};
    return {pages.front().width, pages.front().height};
}

} // namespace

// The pages on the grey background, scrolled by the form's scroll bars.
class PreviewPageView : public QWidget {
public:
    explicit PreviewPageView(TfrPreviewForm& form)
        : QWidget(&form)
        , m_form(form) {
        setObjectName(QStringLiteral("PreviewPages"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Where page `index` is drawn, in the view's pixels.
    QRect pageRect(int index) const {
        const QSize page = pageSizeOf(m_form.m_report);
        const int w = int(std::lround(page.width() * m_form.m_scale));
        const int h = int(std::lround(page.height() * m_form.m_scale));
        const int cols = m_form.columns();
        const int content = cols * w + (cols + 1) * kGap;
        const int left = content < width() ? (width() - content) / 2 : -m_form.m_hbar->value();
        return {left + kGap + (index % cols) * (w + kGap),
                kGap + (index / cols) * (h + kGap) - m_form.m_vbar->value(), w, h};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kBackground);
        const auto& pages = m_form.m_report.prepared().pages;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const QRect r = pageRect(int(i));
            if (!r.intersects(rect()))
                continue;
            painter.fillRect(r.translated(3, 3), QColor(64, 64, 64)); // a thin shadow
            painter.fillRect(r, Qt::white);
            renderPage(painter, pages[i], QRectF(r));
        }
    }

private:
    TfrPreviewForm& m_form;
};

TfrPreviewForm::Zoom& TfrPreviewForm::rememberedZoom() {
    static Zoom zoom;
    return zoom;
}

double TfrPreviewForm::scaleFor(const Zoom& zoom, QSize view, QSize page) {
    if (page.width() <= 0 || page.height() <= 0)
        return 1;
    switch (zoom.mode) {
    case ZoomMode::PageWidth:
        return std::max(0.01, double(view.width() - 20) / page.width());
    case ZoomMode::WholePage:
        return std::max(0.01, double(view.height() - 20) / page.height());
    case ZoomMode::TwoPages:
        return std::max(0.01, double(view.width() - 30) / (2.0 * page.width()));
    case ZoomMode::Percent:
        break;
    }
    return zoom.percent / 100.0;
}

TfrPreviewForm::TfrPreviewForm(TfrReport& report, QPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_printer(printer) {
    setObjectName(QStringLiteral("TfrPreviewForm"));
    setWindowTitle(report.Title.isEmpty() ? tr("Preview") : tr("Preview - ") + report.Title);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* row = new QWidget(this);
    buildButtons(row);
    layout->addWidget(row);

    auto* body = new QGridLayout;
    body->setSpacing(0);
    m_view = new PreviewPageView(*this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_vbar->setObjectName(QStringLiteral("VScrollBar"));
    m_hbar->setObjectName(QStringLiteral("HScrollBar"));
    for (QScrollBar* bar : {m_vbar, m_hbar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(kSmallStep);
        bar->setPageStep(kLargeStep);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            m_view->update();
            updatePageLabel();
        });
    }
    auto* side = new QVBoxLayout;
    side->setSpacing(0);
    side->addWidget(m_vbar, 1);
    const auto pageButton = [this, side](const char* name, const QIcon& icon, const QString& hint,
                                         int delta) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(icon);
        button->setToolTip(hint);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(m_vbar->sizeHint().width(), m_vbar->sizeHint().width());
        connect(button, &QToolButton::clicked, this,
                [this, delta] { goToPage(currentPage() - 1 + delta); });
        side->addWidget(button);
    };
    pageButton("btnPrevPage", themeIcon("go-up", ":/icons/page-up.png"), tr("Previous page"), -1);
    pageButton("btnNextPage", themeIcon("go-down", ":/icons/page-down.png"), tr("Next page"), 1);
    body->addWidget(m_view, 0, 0);
    body->addLayout(side, 0, 1);
    auto* bottom = new QHBoxLayout;
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    m_pageLabel->setFrameShape(QFrame::Panel);
    m_pageLabel->setFrameShadow(QFrame::Sunken);
    m_pageLabel->setMinimumWidth(90);
    m_pageLabel->setContentsMargins(4, 0, 4, 0);
    bottom->addWidget(m_pageLabel);
    bottom->addWidget(m_hbar, 1);
    body->addLayout(bottom, 1, 0, 1, 2);
    layout->addLayout(body, 1);

    switch (report.InitialZoom) {
    case FrPreviewZoom::pzDefault:
        m_zoom = rememberedZoom();
        break;
    case FrPreviewZoom::pzPageWidth:
        m_zoom = {ZoomMode::PageWidth, 100};
        break;
    case FrPreviewZoom::pzOnePage:
        m_zoom = {ZoomMode::WholePage, 100};
        break;
    case FrPreviewZoom::pzTwoPages:
        m_zoom = {ZoomMode::TwoPages, 100};
        break;
    }
    restorePlacement();
    updateLayout();
}

TfrPreviewForm::~TfrPreviewForm() = default;

void TfrPreviewForm::buildButtons(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 3, 4, 3);
    layout->setSpacing(2);
    const unsigned enabled = m_report.PreviewButtons;
    const auto add = [&](const char* name, const QIcon& icon, const QString& text,
                         const QString& hint, unsigned bit) {
        auto* button = new QToolButton(row);
        button->setObjectName(QString::fromLatin1(name));
        if (!text.isEmpty()) {
            button->setText(text);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        button->setIcon(icon);
        button->setIconSize(QSize(20, 20));
        button->setToolTip(hint);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(enabled & bit);
        button->setMinimumHeight(28);
        layout->addWidget(button);
        return button;
    };
    m_zoomButton = add("btnZoom", QIcon(), QStringLiteral("100%"), tr("Zoom View of Page"), pbZoom);
    m_zoomButton->setPopupMode(QToolButton::InstantPopup);
    m_zoomButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_zoomButton->setMinimumWidth(80);
    m_zoomMenu = new QMenu(m_zoomButton);
    m_zoomMenu->setObjectName(QStringLiteral("mnuZoom"));
    auto* group = new QActionGroup(m_zoomMenu);
    const auto item = [&](const QString& text, Zoom zoom) {
        QAction* action = m_zoomMenu->addAction(text);
        action->setCheckable(true);
        action->setData(QVariant::fromValue(int(zoom.mode) * 1000 + zoom.percent));
        group->addAction(action);
        if (zoom.mode == rememberedZoom().mode &&
            (zoom.mode != ZoomMode::Percent || zoom.percent == rememberedZoom().percent))
            action->setChecked(true);
        connect(action, &QAction::triggered, this, [this, zoom] {
            rememberedZoom() = zoom;
            setZoom(zoom);
        });
    };
    for (int percent : {200, 150, 100, 75, 50, 25, 10})
        item(QStringLiteral("%1%").arg(percent), {ZoomMode::Percent, percent});
    m_zoomMenu->addSeparator();
    item(tr("Page width"), {ZoomMode::PageWidth, 100});
    item(tr("Whole page"), {ZoomMode::WholePage, 100});
    item(tr("Two pages"), {ZoomMode::TwoPages, 100});
    m_zoomButton->setMenu(m_zoomMenu);

    add("btnLoad", themeIcon("document-open", ":/icons/open.png"), {}, tr("Open ..."), pbLoad);
    add("btnSave", themeIcon("document-save", ":/icons/save.png"), {}, tr("Save This Report ..."),
        pbSave);
    m_printButton = add("btnPrint", themeIcon("document-print", ":/icons/print.png"), tr("Print"),
                        tr("Print This Report ..."), pbPrint);
    // The PDF printer is always there, so printing never lacks a printer.
    m_pageSetupButton =
        add("btnPageSetup", themeIcon("document-page-setup", ":/icons/printer-setup.png"), {},
            tr("Page Setup ..."), pbPrint);
    m_pageSetupButton->setEnabled(m_printButton->isEnabled());
    add("btnFind", themeIcon("edit-find", ":/icons/find.png"), {}, tr("Find ..."), pbFind);
    add("btnHelp", themeIcon("help-contents", ":/icons/help.png"), {}, tr("Display Help ..."),
        pbHelp);
    layout->addStretch(1);
    QToolButton* close = add("btnExit", themeIcon("window-close", ":/icons/exit.png"), tr("Close"),
                             tr("Exit Preview ..."), pbExit);
    connect(m_printButton, &QToolButton::clicked, this, &TfrPreviewForm::printReport);
    connect(m_pageSetupButton, &QToolButton::clicked, this, &TfrPreviewForm::pageSetup);
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
}

int TfrPreviewForm::columns() const {
    return m_zoom.mode == ZoomMode::TwoPages ? 2 : 1;
}

int TfrPreviewForm::pageTop(int index) const {
    const QSize page = pageSizeOf(m_report);
    const int h = int(std::lround(page.height() * m_scale));
    return (index / columns()) * (h + kGap);
}

int TfrPreviewForm::currentPage() const {
    const int count = int(m_report.prepared().pages.size());
    const QSize page = pageSizeOf(m_report);
    const int h = int(std::lround(page.height() * m_scale)) + kGap;
    const int row = h > 0 ? (m_vbar->value() + h / 2) / h : 0;
    return std::clamp(row * columns() + 1, 1, std::max(1, count));
}

void TfrPreviewForm::goToPage(int index) {
    const int count = int(m_report.prepared().pages.size());
    m_vbar->setValue(pageTop(std::clamp(index, 0, std::max(0, count - 1))));
}

void TfrPreviewForm::setZoom(const Zoom& zoom) {
    m_zoom = zoom;
    for (QAction* action : m_zoomMenu->actions())
        if (action->data().isValid())
            action->setChecked(action->data().toInt() == int(zoom.mode) * 1000 + zoom.percent);
    updateLayout();
}

void TfrPreviewForm::updateLayout() {
    const QSize page = pageSizeOf(m_report);
    m_scale = scaleFor(m_zoom, m_view->size(), page);
    m_zoomButton->setText(QStringLiteral("%1%").arg(std::lround(m_scale * 100)));
    const int count = std::max<int>(1, int(m_report.prepared().pages.size()));
    const int cols = columns();
    const int rows = (count + cols - 1) / cols;
    const int w = int(std::lround(page.width() * m_scale));
    const int h = int(std::lround(page.height() * m_scale));
    const int contentWidth = cols * w + (cols + 1) * kGap;
    const int contentHeight = rows * (h + kGap) + kGap;
    // The bars reach at most 32000; within that, as far as the pages go.
    m_hbar->setRange(0, std::clamp(contentWidth - m_view->width(), 0, kScrollMax));
    m_vbar->setRange(0, std::clamp(contentHeight - m_view->height(), 0, kScrollMax));
    m_view->update();
    updatePageLabel();
}

void TfrPreviewForm::updatePageLabel() {
    m_pageLabel->setText(tr("Page %1/%2")
                             .arg(currentPage())
                             .arg(std::max<std::size_t>(1, m_report.prepared().pages.size())));
}

void TfrPreviewForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    updateLayout();
}

void TfrPreviewForm::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int count = int(m_report.prepared().pages.size());
    switch (event->key()) {
    case Qt::Key_Up:
        m_vbar->setValue(m_vbar->value() - kSmallStep);
        break;
    case Qt::Key_Down:
        m_vbar->setValue(m_vbar->value() + kSmallStep);
        break;
    case Qt::Key_Left:
        m_hbar->setValue(m_hbar->value() - kSmallStep);
        break;
    case Qt::Key_Right:
        m_hbar->setValue(m_hbar->value() + kSmallStep);
        break;
    case Qt::Key_PageUp:
        if (ctrl)
            goToPage(currentPage() - 2);
        else
            m_vbar->setValue(m_vbar->value() - kLargeStep);
        break;
    case Qt::Key_PageDown:
        if (ctrl)
            goToPage(currentPage());
        else
            m_vbar->setValue(m_vbar->value() + kLargeStep);
        break;
    case Qt::Key_Home:
        if (!ctrl)
            return QDialog::keyPressEvent(event);
        m_vbar->setValue(0);
        break;
    case Qt::Key_End:
        if (!ctrl)
            return QDialog::keyPressEvent(event);
        goToPage(count - 1);
        break;
    case Qt::Key_Space:
        if (m_zoomButton->isEnabled())
            m_zoomButton->showMenu();
        break;
    case Qt::Key_P:
        if (!ctrl)
            return QDialog::keyPressEvent(event);
        if (m_printButton->isEnabled())
            printReport();
        break;
    default:
        QDialog::keyPressEvent(event); // Escape closes
        return;
    }
    event->accept();
}

void TfrPreviewForm::restorePlacement() {
    const PlacementStore store;
    const QString group = QString::fromLatin1(kPlacementGroup) + u'/';
    const bool maximised = store.boolValue(group + QStringLiteral("Maximized"), true);
    const QRect stored(store.intValue(group + QStringLiteral("XPosition"), 0),
                       store.intValue(group + QStringLiteral("YPosition"), 0),
                       store.intValue(group + QStringLiteral("Width"), 0),
                       store.intValue(group + QStringLiteral("Height"), 0));
    if (maximised || stored.width() < 200 || stored.height() < 150) {
        resize(900, 700);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        move(stored.topLeft());
        resize(stored.size());
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
}

void TfrPreviewForm::done(int result) {
    PlacementStore store;
    const QString group = QString::fromLatin1(kPlacementGroup) + u'/';
    const bool maximised = isMaximized();
    const QRect normal = maximised ? normalGeometry() : QRect(pos(), size());
    store.setValue(group + QStringLiteral("XPosition"), normal.x());
    store.setValue(group + QStringLiteral("YPosition"), normal.y());
    store.setValue(group + QStringLiteral("Width"), normal.width());
    store.setValue(group + QStringLiteral("Height"), normal.height());
    store.setValue(group + QStringLiteral("Maximized"), maximised);
    store.save();
    QDialog::done(result);
}

void TfrPreviewForm::pageSetup() {
    TPrinterSetupDialog dialog(m_printer, reportPaper(m_report), this);
    dialog.exec();
}

void TfrPreviewForm::printReport() {
    if (!m_printButton->isEnabled())
        return;
    TfrPrintDialog dialog(m_report, m_printer, currentPage(), this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    // A new preparation may have replaced the pages.
    updateLayout();
    if (!ok)
        return;
    QString where = m_printer.printerName();
    QString reason;
    if (m_printer.outputFormat() == QPrinter::PdfFormat) {
        // The PDF is made in memory and then written whole, so that a full disk
        // or a bad file cannot leave a cut-off file behind and goes unnoticed.
        where = m_printer.outputFileName();
        const QByteArray pdf = renderReportPdf(m_report.prepared(), dialog.sequence());
        if (pdf.isEmpty()) {
            reason = tr("there is no page to print");
        } else {
            try {
                SafeFile::write(where, pdf, SafeFile::Special::WriteNow);
                return;
            } catch (const SafeFile::Error& error) {
                reason = error.reason();
            }
        }
    } else if (printPages(m_printer, m_report.prepared(), dialog.sequence())) {
        return;
    }
    const QString text = tr("The report could not be printed on %1.").arg(where);
    Application::instance()->dialogs().messageBox(
        this, tr("Error"), reason.isEmpty() ? text : text + QStringLiteral("\r\n") + reason,
        DialogService::Icon::Warning, DialogService::Buttons::Ok);
}
