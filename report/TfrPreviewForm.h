#pragma once

#include <QDialog>
#include <QSize>

class QLabel;
class QMenu;
class QPrinter;
class QScrollBar;
class QToolButton;
class TfrReport;
class PreviewPageView;

// The preview of a prepared report: a button row (zoom, open, save, print,
// page setup, find, help, close), the pages on a grey background with scroll
// bars, and "Page n/m". Its placement is kept in the per-user settings under
// "Form/TfrPreviewForm"; the zoom chosen from the menu is kept for later
// previews of the same run.
class TfrPreviewForm : public QDialog {
    Q_OBJECT
public:
    enum class ZoomMode { Percent, PageWidth, WholePage, TwoPages };
    struct Zoom {
        ZoomMode mode = ZoomMode::Percent;
        int percent = 100;
    };

    TfrPreviewForm(TfrReport& report, QPrinter& printer, QWidget* parent = nullptr);
    ~TfrPreviewForm() override;

    // Scale (screen pixels per report unit) of `zoom` for a view of `view`
    // pixels and pages of `page` units.
    static double scaleFor(const Zoom& zoom, QSize view, QSize page);
    // The zoom later previews of this run start with.
    static Zoom& rememberedZoom();

    double scale() const { return m_scale; }
    int currentPage() const;
    void setZoom(const Zoom& zoom);
    void printReport();

    // Opens maximised unless a normal placement was stored.
    void restorePlacement();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    friend class PreviewPageView;
    void buildButtons(QWidget* row);
    void updateLayout();
    void updatePageLabel();
    int pageTop(int index) const;
    int columns() const;
    void goToPage(int index);
    void pageSetup();

    TfrReport& m_report;
    QPrinter& m_printer;
    Zoom m_zoom;
    double m_scale = 1;
    PreviewPageView* m_view = nullptr;
    QScrollBar* m_vbar = nullptr;
    QScrollBar* m_hbar = nullptr;
    QLabel* m_pageLabel = nullptr;
    QToolButton* m_zoomButton = nullptr;
    QToolButton* m_printButton = nullptr;
    QToolButton* m_pageSetupButton = nullptr;
    QMenu* m_zoomMenu = nullptr;
};
