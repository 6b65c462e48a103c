#pragma once

#include "calc/RegionalSettings.h"
#include "calc/Schedule.h"
#include "platform/Application.h"

#include <QMainWindow>
#include <exception>
#include <memory>

class GoalLink;
class GrowthFeature;
class HelpViewer;
class HyperlinkLabel;
class InputPanel;
class QStatusBar;
class ReportFeature;
class TStringAlignGrid;
class TXJustOne;
class UpdateFeature;
class ToolBarPanel;
class MainMenus;

// The main window: input panel, schedule grid, tool bar, menus and status line.
// Every input event recalculates the whole schedule; the inputs are loaded from
// the settings file beside the program when the window is created and saved
// when it closes. It installs the application's exception handler for its
// lifetime and needs an Application as the application object. Its controls
// and handlers are its own: tools and tests find the controls by objectName.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Regional settings of the user (from the system locale).
    explicit TfrmMain(QWidget* parent = nullptr);
    // With explicit regional settings, for embedding and tests.
    explicit TfrmMain(const RegionalSettings& regional, QWidget* parent = nullptr);
    ~TfrmMain() override;

    const RegionalSettings& regionalSettings() const { return m_regional; }
    // The program directory with its trailing separator.
    const QString& programDirectory() const { return m_programDir; }
    QString settingsFilePath() const;
    // What the last calculation left behind (grid texts, step captions, inputs).
    const ScheduleSnapshot& snapshot() const { return m_snapshot; }

private slots:
    // Calculation and grid.
    void CalculateGrdFV();
    void CleanGrid();
    void grdFVMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void grdFVShowHintCell(int column, int row, QString& hintText);
    // Opens the growth window for value cell (column, row); other cells open nothing.
    void ShowGrowth(int column, int row);

    // Saved inputs.
    void SaveValuesAtExit();
    void btnResetClick();

    // Commands.
    void Print();
    void SetupPrinter();
    void ShowUpdate();
    void ShowAbout();
    void ShowDisclaim();
    void ExitApplication();
    void mnuHelpContentsClick();
    void mnuHelpSearchClick();
    void mnuHelpHowClick();

    // Application-wide handlers.
    void AppOnException(QObject* sender, std::exception_ptr error);
    void AppOnHint(const QString& hint);
    void ApplicationActivate();
    void FormActivate();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TStringAlignGrid* grdFV;

    QStatusBar* StatusBar1;
    TXJustOne* XJustOne1;

    void buildFrame();
    void connectInputs();
    void connectCommands();
    void buildLinks();
    void FormCreate();
    void LoadSavedInputs();
    void FormClose(QCloseEvent* event);
    void showGrid();
    void markBaseCell();
    void showInformation(const QString& text);
    // One line for the status line: the cell's savings, rate and value, then
    // its tooltip's lines.
    QString cellSummary(int column, int row);
    template <typename Handler>
    auto guarded(Handler handler);
    // The feature in `feature`, created on first use.
    template <typename Feature>
    Feature& created(Feature*& feature);

    RegionalSettings m_regional;
    QString m_programDir;
    ScheduleSnapshot m_snapshot;
    InputPanel* pnlInput = nullptr;
    ToolBarPanel* pnlToolBar = nullptr;
    QWidget* pnlLinks = nullptr;
    std::unique_ptr<MainMenus> m_menus;
    HelpViewer* m_help = nullptr;
    // Printing (frTLMR, PrinterSetupDialog), the update check (WebFileInfo)
    // and the growth window, each created on first use.
    ReportFeature* m_report = nullptr;
    UpdateFeature* m_update = nullptr;
    GrowthFeature* m_growth = nullptr;
    GoalLink* m_goal = nullptr; // the Goal window and the grid's goal marks
    Application::ExceptionHandler m_previousHandler;
    bool m_handlerInstalled = false;
    int m_errorDepth = 0;
    QList<QObject*> m_popupSources;
    QPoint m_popupCell{kBaseColumn, kBaseRow}; // the cell the pop-up menu's Growth item opens
    // Set when another window of the program took the activation from this one,
    // so that coming back (a dialog closed) puts the focus into the balance.
    bool m_focusOnActivate = true;
};
