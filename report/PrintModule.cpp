// The print module's entry point, looked up by name on first use.
#include "report/ReportFeature.h"

extern "C" Q_DECL_EXPORT QObject* tlmrCreateReportFeature(QWidget* window) {
    return createReportFeature(window);
}
