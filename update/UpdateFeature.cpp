#include "update/UpdateFeature.h"

#include "update/UpdateWizard.h"
#include "update/WebFileInfo.h"

#include <QWidget>

UpdateFeature::UpdateFeature(QWidget* window)
    : QObject(window)
    , m_info(createProgramWebFileInfo(window)) {
    setObjectName(QStringLiteral("UpdateFeature"));
}

void UpdateFeature::showWizard() {
    TfrmUpdate wizard(*m_info);
    wizard.exec();
}
