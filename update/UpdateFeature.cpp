#include "update/UpdateFeature.h"

#include "update/UpdateWizard.h"
#include "update/WUpdate.h"

#include <QWidget>

namespace {

class MainWindowUpdate : public UpdateFeature {
public:
    explicit MainWindowUpdate(QWidget* window)
        : UpdateFeature(window)
        , m_info(createProgramWebFileInfo(window)) {
        setObjectName(QStringLiteral("UpdateFeature"));
    }

    void showWizard() override {
        TfrmUpdate wizard(*m_info);
        wizard.exec();
    }

private:
    TWebFileInfo* m_info;
};

} // namespace

UpdateFeature* createUpdateFeature(QWidget* window) {
    return new MainWindowUpdate(window);
}
