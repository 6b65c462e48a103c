#pragma once

#include "app/Main.h"
#include "calc/RegionalSettings.h"
#include "platform/Application.h"
#include "tests/support/ScriptedDialogService.h"
#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriving.h"
#include "widgets/EditableComboBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/TFnpNumericEdit.h"
#include "widgets/TNumEdit.h"
#include "widgets/TStringAlignGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>
#include <memory>

// Helpers shared by the main window's tests. Each test executable has a folder
// of its own, so the settings file beside it belongs to that test alone.
namespace AppTest {

using TestSupport::cellCentre;
using TestSupport::typeAndLeave;

inline QString settingsPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tlmr.ini");
}

inline void removeSettings() {
    const QString path = settingsPath();
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

inline bool writeSettings(const QByteArray& content) {
    removeSettings();
    QFile file(settingsPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(content) == content.size();
}

inline QByteArray readSettings() {
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline ScriptedDialogService& dialogs() {
    return static_cast<ScriptedDialogService&>(Application::instance()->dialogs());
}

// The main window under United States settings, shown and active.
inline std::unique_ptr<TfrmMain> openWindow() {
    auto window = std::make_unique<TfrmMain>(RegionalSettings::unitedStates());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
    return window;
}

template <typename T>
T* control(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

// The main window's controls, found by their objectNames as any outside tool
// finds them.
struct Controls {
    explicit Controls(QWidget* w)
        : edtBalance(control<TNumEdit>(w, "edtBalance"))
        , edtSavings(control<TNumEdit>(w, "edtSavings"))
        , cbFirstMonth(control<EditableComboBox>(w, "cbFirstMonth"))
        , edtFirstYear(control<TFnpNumericEdit>(w, "edtFirstYear"))
        , cbLastMonth(control<EditableComboBox>(w, "cbLastMonth"))
        , edtLastYear(control<TFnpNumericEdit>(w, "edtLastYear"))
        , edtTerm(control<TFnpNumericEdit>(w, "edtTerm"))
        , cbFrequency(control<EditableComboBox>(w, "cbFrequency"))
        , edtInterest(control<TFnpNumericEdit>(w, "edtInterest"))
        , edtIncrease(control<TFnpNumericEdit>(w, "edtIncrease"))
        , rgSavings(control<RadioGroup>(w, "rgSavings"))
        , rgInterest(control<RadioGroup>(w, "rgInterest"))
        , grdFV(control<TStringAlignGrid>(w, "grdFV"))
        , btnPrint(control<QAbstractButton>(w, "btnPrint"))
        , btnPrinterSetup(control<QAbstractButton>(w, "btnPrinterSetup"))
        , btnReset(control<QAbstractButton>(w, "btnReset"))
        , btnDisclaim(control<QAbstractButton>(w, "btnDisclaim"))
        , btnUpdate(control<QAbstractButton>(w, "btnUpdate"))
        , btnExit(control<QAbstractButton>(w, "btnExit"))
        , StatusBar1(control<QStatusBar>(w, "StatusBar1")) {}

    TNumEdit* edtBalance;
    TNumEdit* edtSavings;
    EditableComboBox* cbFirstMonth;
    TFnpNumericEdit* edtFirstYear;
    EditableComboBox* cbLastMonth;
    TFnpNumericEdit* edtLastYear;
    TFnpNumericEdit* edtTerm;
    EditableComboBox* cbFrequency;
    TFnpNumericEdit* edtInterest;
    TFnpNumericEdit* edtIncrease;
    RadioGroup* rgSavings;
    RadioGroup* rgInterest;
    TStringAlignGrid* grdFV;
    QAbstractButton* btnPrint;
    QAbstractButton* btnPrinterSetup;
    QAbstractButton* btnReset;
    QAbstractButton* btnDisclaim;
    QAbstractButton* btnUpdate;
    QAbstractButton* btnExit;
    QStatusBar* StatusBar1;
};

inline Controls ui(const std::unique_ptr<TfrmMain>& window) {
    return Controls(window.get());
}

inline QString cell(TfrmMain* window, int column, int row) {
    return control<TStringAlignGrid>(window, "grdFV")->item(row, column)->text();
}

// Replaces the whole text of the focused `field` through the clipboard, as a
// user's paste does.
inline void pasteOver(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Picks an item of a radio group as a click would.
inline void pickStep(RadioGroup* group, int index) {
    const auto buttons = group->findChildren<QRadioButton*>();
    QRadioButton* button = buttons.value(index);
    if (!button)
        return;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

} // namespace AppTest

// The report preview's tests still name the main by its older name.
#define TLMR_APP_TEST_MAIN(TestClass) TLMR_GUI_TEST_MAIN(TestClass)
