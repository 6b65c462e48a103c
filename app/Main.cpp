#include "app/Main.h"

#include "app/About.h"
#include "app/Disclaim.h"
#include "app/ErrorRecovery.h"
#include "app/GoalLink.h"
#include "app/ProgramStyle.h"
#include "app/InputPanel.h"
#include "app/Links.h"
#include "app/MainMenus.h"
#include "app/SavedInputs.h"
#include "app/ToolBarPanel.h"
#include "app/WindowLook.h"
#include "app/XJustOne.h"
#include "calc/Growth.h"
#include "calc/Term.h"
#include "calc/Tooltip.h"
#include "growth/GrowthFeature.h"
#include "platform/HelpViewer.h"
#include "platform/ProductInfo.h"
#include "platform/ProfileFile.h"
#include "platform/SettingsLocation.h"
#include "platform/Shell.h"
#include "report/ReportFeature.h"
#include "update/UpdateFeature.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/TStringAlignGrid.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {

constexpr int kClientWidth = InputPanel::kWidth;
constexpr int kClientHeight = 409;
constexpr int kStatusHeight = 18;
constexpr int kGridTop = ToolBarPanel::kHeight + InputPanel::kHeight;
// The designed heights (31 + 131 + 232 + 18) exceed the 409-pixel client area by
// three pixels, so the grid gets at most what is left between the input panel
// and the status line, and is only as tall as its twelve rows need within that;
// the window ends where the grid does.
constexpr int kGridSpace = kClientHeight - kStatusHeight - kGridTop;
constexpr int kHintPauseMs = 500;

const QColor kYellow(WindowLook::kHighlight);

QString welcomeText() {
    return QCoreApplication::translate("TfrmMain", " Welcome to %1 by %2!")
        .arg(QLatin1String(ProductInfo::kTitle), QLatin1String(ProductInfo::kMakerLegal));
}

// Windows of the toolkit or the desktop rather than of this program: coming back
// from them is not a return to the main window in the program's sense.
bool isSystemDialog(const QWidget* window) {
    return qobject_cast<const QMessageBox*>(window) || qobject_cast<const QFileDialog*>(window) ||
           qobject_cast<const QPageSetupDialog*>(window) ||
           qobject_cast<const QAbstractPrintDialog*>(window);
}

// Opens one of the program's own dialogs: created without owner, modal,
// destroyed when its loop ends (also on an error; the dialog may have freed
// itself already), then the main window is active again.
template <typename Dialog>
void runOwnDialog(QWidget* mainWindow) {
    mainWindow->repaint(); // nothing stale behind the dialog
    QPointer<Dialog> dialog = new Dialog(nullptr);
    const auto destroy = qScopeGuard([&dialog, mainWindow] {
        delete dialog.data();
        mainWindow->activateWindow();
    });
    dialog->exec();
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : TfrmMain(RegionalSettings::system(), parent) {}

TfrmMain::TfrmMain(const RegionalSettings& regional, QWidget* parent)
    : QMainWindow(parent)
    , m_regional(regional)
    , m_snapshot(cleanSchedule()) {
    setObjectName(QStringLiteral("frmMain"));
    // Application-wide look first: set later, every control built by then
    // would be polished and laid out a second time.
    WindowLook::applyToApplication();
    ProgramStyle::install(kHintPauseMs);
    buildFrame();
    buildLinks();
    connectInputs();
    connectCommands();

    XJustOne1 = new TXJustOne(this);
    XJustOne1->setObjectName(QStringLiteral("XJustOne1"));
    XJustOne1->check();
    // Without the lock a second copy could start unnoticed: say so once.
    if (const QString reason = XJustOne1->unprotectedReason(); !reason.isEmpty())
        StatusBar1->showMessage(tr(" A second copy of %1 could start (%2).")
                                    .arg(QLatin1String(ProductInfo::kTitle), reason));
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // The controls die after this body; whatever they signal on the way (a
    // field losing the focus) must not reach a window that is already gone.
    QCoreApplication::instance()->removeEventFilter(this);
    grdFV->setHintCallback({});
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
        disconnect(child, nullptr, this, nullptr);
    disconnect(QCoreApplication::instance(), nullptr, this, nullptr);
    if (m_handlerInstalled) {
        if (Application* app = Application::instance())
            app->setExceptionHandler(std::move(m_previousHandler));
    }
}

// Frame and controls ----------------------------------------------------------

void TfrmMain::buildFrame() {
    setWindowTitle(QLatin1String(ProductInfo::kTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowLook::windowFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(client);

    pnlToolBar = new ToolBarPanel(client);
    pnlToolBar->setGeometry(0, 0, kClientWidth, ToolBarPanel::kHeight);

    pnlInput = new InputPanel(m_regional, client);
    pnlInput->setGeometry(0, ToolBarPanel::kHeight, kClientWidth, InputPanel::kHeight);

    grdFV = new TStringAlignGrid(kGridColumns, kGridRows, client);
    grdFV->setObjectName(QStringLiteral("grdFV"));
    const int rowsHeight = kGridRows * grdFV->verticalHeader()->defaultSectionSize();
    const int gridHeight = std::min(kGridSpace, rowsHeight + 2 * grdFV->frameWidth());
    grdFV->setGeometry(0, kGridTop, kClientWidth, gridHeight);
    // The status line follows the grid at once: no empty strip between them.
    client->setFixedSize(kClientWidth, kGridTop + gridHeight);
    // Twelve rows of 18 pixels, columns of 76 with the last one filling the
    // width, no editing, no scroll bars, no tab stop: the grid's own design.
    grdFV->setSelectionColors(kYellow, Qt::black);
    grdFV->setAccessibleName(tr("Future values by monthly savings and interest rate"));

    m_menus = std::make_unique<MainMenus>(menuBar(), this);
    menuBar()->setObjectName(QStringLiteral("mnuMain"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusHeight);
    setStatusBar(StatusBar1);
    StatusBar1->showMessage(welcomeText());

    m_help = new HelpViewer(this);
    m_help->setObjectName(QStringLiteral("HelpViewer1"));

    // The pop-up menu belongs to the background, the panels, the step groups and
    // the grid; the input fields keep their own edit menus.
    m_popupSources = pnlInput->popupSources() << client << pnlToolBar << grdFV << grdFV->viewport();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmMain::buildLinks() {
    pnlLinks = new QWidget(centralWidget());
    pnlLinks->setObjectName(QStringLiteral("pnlLinks"));
    pnlLinks->hide();
    for (const LinkTarget& link : mainWindowLinks()) {
        auto* label = new HyperlinkLabel(link.address, link.address, pnlLinks);
        label->setObjectName(link.objectName);
        label->setOpener([](const QString& address) { return Shell::open(address); });
        connect(label, &HyperlinkLabel::openFailed, this,
                [] { Application::instance()->beepNow(); });
    }
}

// Runs `handler` as an event of the window: an error goes to the application's
// handler here, so it never unwinds through the toolkit's signal code. While an
// error is being handled, events caused by the message box itself (a field
// losing the focus to it) do not start another calculation.
template <typename Handler>
auto TfrmMain::guarded(Handler handler) {
    return [this, handler](auto&&...) {
        if (m_errorDepth > 0)
            return;
        try {
            handler();
        } catch (...) {
            Application::instance()->handleException(this, std::current_exception());
        }
    };
}

void TfrmMain::connectInputs() {
    const auto recalculate = guarded([this] { CalculateGrdFV(); });
    connect(pnlInput, &InputPanel::changed, this, recalculate);
    connect(grdFV, &TStringAlignGrid::clicked, this, recalculate);
    // The press before it has recalculated already, as every click does.
    connect(grdFV, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        guarded([this, row, column] { ShowGrowth(column, row); })();
    });
    // The keyboard's cell: its split on the status line, Enter opens its growth.
    connect(grdFV, &TStringAlignGrid::cellReached, this,
            [this](int column, int row) { StatusBar1->showMessage(cellSummary(column, row)); });
    connect(grdFV, &TStringAlignGrid::cellEntered, this, [this](int column, int row) {
        guarded([this, column, row] { ShowGrowth(column, row); })();
    });
    connect(grdFV, &TStringAlignGrid::mouseMoved, this,
            [this](Qt::KeyboardModifiers shift, int x, int y) { grdFVMouseMove(shift, x, y); });
    grdFV->setHintCallback(
        [this](int column, int row, QString& hint) { grdFVShowHintCell(column, row, hint); });
}

void TfrmMain::connectCommands() {
    using Command = MainMenus::Command;
    const auto bind = [this](auto* source, auto signal, auto handler) {
        connect(source, signal, this, guarded(handler));
    };
    m_goal = new GoalLink(m_regional, pnlInput, grdFV, guarded([this] { CalculateGrdFV(); }), this);
    const auto onCommand = [&](Command command, auto handler) {
        for (QAction* item : m_menus->items(command))
            bind(item, &QAction::triggered, handler);
    };

    const auto print = [this] { Print(); };
    const auto setup = [this] { SetupPrinter(); };
    const auto reset = [this] { btnResetClick(); };
    const auto update = [this] { ShowUpdate(); };
    const auto help = [this] { mnuHelpContentsClick(); };
    const auto about = [this] { ShowAbout(); };
    const auto exitApp = [this] { ExitApplication(); };

    bind(pnlToolBar, &ToolBarPanel::printClicked, print);
    bind(pnlToolBar, &ToolBarPanel::printerSetupClicked, setup);
    bind(pnlToolBar, &ToolBarPanel::resetClicked, reset);
    bind(pnlToolBar, &ToolBarPanel::disclaimClicked, [this] { ShowDisclaim(); });
    bind(pnlToolBar, &ToolBarPanel::updateClicked, update);
    bind(pnlToolBar, &ToolBarPanel::helpClicked, help);
    bind(pnlToolBar, &ToolBarPanel::exitClicked, exitApp);

    onCommand(Command::Reset, reset);
    onCommand(Command::PrintSetup, setup);
    onCommand(Command::Print, print);
    onCommand(Command::Exit, exitApp);
    onCommand(Command::Update, update);
    onCommand(Command::HelpContents, help);
    onCommand(Command::HelpSearch, [this] { mnuHelpSearchClick(); });
    onCommand(Command::HelpHow, [this] { mnuHelpHowClick(); });
    onCommand(Command::About, about);
    onCommand(Command::Disclaimer, [this] { ShowDisclaim(); });
    onCommand(Command::Growth, [this] { ShowGrowth(m_popupCell.x(), m_popupCell.y()); });
    onCommand(Command::Goal, [this] { m_goal->showWindow(); });

    // Each item opens the address of its hidden link label, which beeps when
    // nothing can open it; an item whose link has no address does nothing.
    for (const auto& [item, link] : m_menus->linkItems()) {
        auto* label = pnlLinks->findChild<HyperlinkLabel*>(linkTarget(link).objectName);
        if (label && !label->address().isEmpty())
            connect(item, &QAction::triggered, label, &HyperlinkLabel::activate);
    }
}

// Creation --------------------------------------------------------------------

void TfrmMain::FormCreate() {
    setWindowTitle(QLatin1String(ProductInfo::kMainCaption));
    m_programDir = QCoreApplication::applicationDirPath() + u'/';
    markBaseCell();
    // A second copy hands over to the first and ends: it reads nothing and so
    // has nothing to complain about.
    if (XJustOne1->anotherInstanceFound())
        return;

    Application* app = Application::instance();
    m_previousHandler = app->setExceptionHandler(
        [this](QObject* sender, std::exception_ptr error) { AppOnException(sender, error); });
    m_handlerInstalled = true;
    connect(app, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    ApplicationActivate();
            });
    // Status tips of every window and the pop-up menu's right clicks pass here.
    app->installEventFilter(this);

    try {
        // The one help file path: the viewer reads it from the application.
        app->setHelpFile(m_programDir + QLatin1String(ProductInfo::kHelpFile));
        CleanGrid();
        LoadSavedInputs();
        CalculateGrdFV();
    } catch (...) {
        app->handleException(this, std::current_exception());
    }
}

QString TfrmMain::settingsFilePath() const {
    return SettingsLocation::settingsFilePath(m_programDir);
}

void TfrmMain::LoadSavedInputs() {
    // Everything is read first; a value that is not a number throws before any
    // field changes. A file that cannot be read at all (no regular file, too
    // large, no permission) is named with the reason, and the first-run values
    // apply; it is not replaced at close either. A copy that steps aside for
    // a running one says nothing.
    SavedInputs::Values values;
    try {
        values = SavedInputs(settingsFilePath(), m_regional).load();
    } catch (const ProfileReadError& error) {
        if (!XJustOne1->anotherInstanceFound())
            showInformation(QString::fromUtf8(error.what()));
    }
    pnlInput->apply(values);
}

// Calculation -----------------------------------------------------------------

void TfrmMain::CalculateGrdFV() {
    const ScheduleInputs inputs = pnlInput->scheduleInputs();
    // A failing value stops the calculation; what was computed until then is
    // shown all the same before the error travels on.
    std::exception_ptr failure;
    try {
        computeSchedule(inputs, m_regional, m_snapshot);
    } catch (...) {
        failure = std::current_exception();
    }
    pnlInput->showTerm(m_snapshot.term);
    showGrid();
    if (failure)
        std::rethrow_exception(failure);
    markBaseCell();
    m_goal->scheduleChanged(m_snapshot);
}

void TfrmMain::CleanGrid() {
    grdFV->setRowCount(kGridRows);
    m_snapshot = cleanSchedule();
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            grdFV->setCellText(column, row, QString());
    markBaseCell();
    for (int column = 0; column < kGridColumns; ++column)
        grdFV->setColumnWidth(column, TStringAlignGrid::kDefaultColumnWidth);
    grdFV->setCellText(0, 0, m_snapshot.text(0, 0));
}

void TfrmMain::showGrid() {
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const QString& text = m_snapshot.text(column, row);
            if (grdFV->cellText(column, row) != text)
                grdFV->setCellText(column, row, text);
        }
    }
}

void TfrmMain::markBaseCell() {
    grdFV->selectCell(kBaseColumn, kBaseRow);
    grdFV->setColumnColor(kBaseColumn, kYellow);
    grdFV->setRowColor(kBaseRow, kYellow);
}

void TfrmMain::grdFVMouseMove(Qt::KeyboardModifiers, int x, int y) {
    int column = -1;
    int row = -1;
    grdFV->mouseToCell(x, y, column, row);
    grdFV->setCellHintsEnabled(column >= 1 && row >= 1);
}

void TfrmMain::grdFVShowHintCell(int column, int row, QString& hintText) {
    if (column < 0 || column >= kGridColumns || row < 1 || row >= kGridRows)
        return;
    // The grid shows the snapshot's texts and the term field its term, so the
    // snapshot is the tooltip's whole source, as for the command line.
    if (const auto text = tooltipText(tooltipSource(m_snapshot, column, row), m_regional))
        hintText = *text;
    m_goal->extendHint(column, row, hintText);
}

QString TfrmMain::cellSummary(int column, int row) {
    QString hint;
    grdFVShowHintCell(column, row, hint);
    QString summary =
        tr(" %1 a month at %2: %3")
            .arg(grdFV->cellText(0, row).trimmed(), grdFV->cellText(column, 0).trimmed(),
                 grdFV->cellText(column, row).trimmed());
    // The tooltip's lines, one after the other on the one line.
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    for (const QString& line : hint.split(lineBreaks, Qt::SkipEmptyParts))
        summary += QStringLiteral("; ") + line;
    return summary;
}

void TfrmMain::ShowGrowth(int column, int row) {
    if (column < 1 || column >= kGridColumns || row < 1 || row >= kGridRows)
        return;
    created(m_growth).show(computeGrowth(growthInputs(m_snapshot, column, row)), m_regional);
}

// Saved inputs ----------------------------------------------------------------

void TfrmMain::SaveValuesAtExit() {
    SavedInputs(settingsFilePath(), m_regional).save(pnlInput->savedFields());
}

void TfrmMain::btnResetClick() {
    pnlInput->resetSteps();
    pnlInput->zeroAmounts();
    pnlInput->focusAmount(InputPanel::Amount::Balance, Qt::OtherFocusReason, true);
    CleanGrid();
    CalculateGrdFV();
}

// Commands --------------------------------------------------------------------

template <typename Feature>
Feature& TfrmMain::created(Feature*& feature) {
    if (!feature)
        feature = new Feature(this);
    return *feature;
}

void TfrmMain::showInformation(const QString& text) {
    Application::instance()->dialogs().messageBox(this, ErrorRecovery::caption(), text,
                                                  DialogService::Icon::Information,
                                                  DialogService::Buttons::Ok);
}

void TfrmMain::Print() {
    created(m_report).preview(m_snapshot, m_regional);
}

void TfrmMain::ShowUpdate() {
#ifdef TLMR_UPDATES_FROM_PACKAGE_MANAGER
    // A copy built for a distribution is updated by its package manager; the
    // update check is left out of that build.
    showInformation(tr("This copy of %1 was installed from your system's packages. "
                       "Newer versions come through its package manager (apt).")
                        .arg(QLatin1String(ProductInfo::kTitle)));
#else
    repaint(); // nothing stale behind the wizard
    created(m_update).showWizard();
#endif
}

void TfrmMain::SetupPrinter() {
    created(m_report).setupPrinter();
}

void TfrmMain::ShowAbout() {
    runOwnDialog<TAboutBox>(this);
}

void TfrmMain::ShowDisclaim() {
    runOwnDialog<TfrmDisclaim>(this);
}

void TfrmMain::ExitApplication() {
    close();
}

void TfrmMain::mnuHelpContentsClick() {
    m_help->showContents();
}

void TfrmMain::mnuHelpSearchClick() {
    m_help->showKeywordSearch();
}

void TfrmMain::mnuHelpHowClick() {
    m_help->showHelpOnHelp();
}

// Application-wide handlers ---------------------------------------------------

void TfrmMain::AppOnException(QObject*, std::exception_ptr error) {
    ++m_errorDepth;
    const auto leave = qScopeGuard([this] { --m_errorDepth; });
    if (ErrorRecovery::classify(error) != ErrorRecovery::Kind::Arithmetic) {
        showInformation(ErrorRecovery::unidentifiedMessage());
        return;
    }

    showInformation(ErrorRecovery::arithmeticMessage());
    pnlInput->zeroAmounts();
    pnlInput->focusAmount(InputPanel::Amount::Savings, Qt::OtherFocusReason, true);
    CleanGrid();
    try {
        CalculateGrdFV();
    } catch (...) {
        // The zeroed amounts cannot fail; should they anyway, say so once
        // instead of recovering in a loop.
        showInformation(ErrorRecovery::unidentifiedMessage());
    }
}

void TfrmMain::AppOnHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    StatusBar1->showMessage(bar >= 0 ? hint.mid(bar + 1) : hint);
}

void TfrmMain::ApplicationActivate() {
    if (QWidget* active = QApplication::activeWindow()) {
        active->raise();
        active->activateWindow();
    }
}

void TfrmMain::FormActivate() {
    pnlInput->focusAmount(InputPanel::Amount::Balance, Qt::ActiveWindowFocusReason, false);
}

void TfrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (m_focusOnActivate)
                FormActivate();
            m_focusOnActivate = false;
        } else {
            // Only another window of the program counts as leaving the main
            // window; a message box, a system dialog, the help viewer or
            // another application leave the focus where it was.
            QWidget* next = QApplication::activeWindow();
            m_focusOnActivate = next && next != m_help->window() && !isSystemDialog(next);
        }
    }
    QMainWindow::changeEvent(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip: {
        if (!watched->isWidgetType())
            break;
        // Hints of this window and of the dialogs it opens end on this status
        // line; a window with a status line of its own keeps its hints.
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window != this && window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
            break;
        AppOnHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    case QEvent::ContextMenu: {
        if (!m_popupSources.contains(watched))
            break;
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        // Growth of the cell under the pointer; from the keyboard in the grid,
        // of its selected cell (the menu opens at that cell); elsewhere, of the
        // base cell; a header cell has none.
        m_popupCell = {kBaseColumn, kBaseRow};
        QPoint at = menuEvent->globalPos();
        if (menuEvent->reason() == QContextMenuEvent::Mouse && watched == grdFV->viewport()) {
            grdFV->mouseToCell(menuEvent->pos().x(), menuEvent->pos().y(), m_popupCell.rx(),
                               m_popupCell.ry());
        } else if (watched == grdFV && grdFV->keyboardCell().x() >= 0) {
            m_popupCell = grdFV->keyboardCell();
            const QModelIndex cell = grdFV->model()->index(m_popupCell.y(), m_popupCell.x());
            at = grdFV->viewport()->mapToGlobal(grdFV->visualRect(cell).center());
        }
        m_menus->popUp(at, m_popupCell.x() >= 1 && m_popupCell.y() >= 1);
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose(event);
}

void TfrmMain::FormClose(QCloseEvent* event) {
    m_help->quit();
    // The tool bar and the menus take no focus, so a field typed in but not yet
    // left would never reach its stored value and be lost: leave it first, as
    // Tab would (storing the typed figure, rewriting a text that is no number
    // and recalculating).
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
    Application* app = Application::instance();
    try {
        SaveValuesAtExit();
    } catch (const ProfileWriteError& error) {
        // A known failure with its file and reason: the question says it all.
        // A file that can never be written must not keep the program open.
        const auto answer = app->dialogs().messageBox(
            this, QLatin1String(ProductInfo::kTitle),
            ErrorRecovery::unsavedCloseQuestion(error.path(), error.reason()),
            DialogService::Icon::Question, DialogService::Buttons::YesNo);
        if (answer != DialogService::Answer::Yes) {
            event->ignore();
            return;
        }
    } catch (...) {
        // A field that is no number: the user can correct it and close again.
        app->handleException(this, std::current_exception());
        event->ignore();
        return;
    }
    event->accept();
}
