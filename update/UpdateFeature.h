#pragma once

#include <QObject>

class QWidget;
class TWebFileInfo;

// The update check as the main window uses it: the program's update component
// (objectName "WebFileInfo") and its wizard. The window creates it, as its
// child, the first time the user asks for a newer version.
class UpdateFeature : public QObject {
public:
    explicit UpdateFeature(QWidget* window);

    // Runs the update wizard modally.
    void showWizard();

private:
    TWebFileInfo* m_info;
};
