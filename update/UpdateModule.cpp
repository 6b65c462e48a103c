// The update module's entry point, looked up by name on first use.
#include "update/UpdateFeature.h"

extern "C" Q_DECL_EXPORT QObject* tlmrCreateUpdateFeature(QWidget* window) {
    return createUpdateFeature(window);
}
