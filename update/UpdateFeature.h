#pragma once

#include <QObject>

class QWidget;

// The update check as the main window uses it: the program's update component
// (objectName "WebFileInfo") and its wizard. It lives in the update module
// (entry point kUpdateEntry) and is created, as a child of the window, the
// first time the user asks for a newer version.
class UpdateFeature : public QObject {
public:
    using QObject::QObject;

    // Runs the update wizard modally.
    virtual void showWizard() = 0;
};

inline constexpr char kUpdateModule[] = "tallowmere-update";
inline constexpr char kUpdateEntry[] = "tlmrCreateUpdateFeature";

UpdateFeature* createUpdateFeature(QWidget* window);
