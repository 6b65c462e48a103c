#include "growth/GrowthFeature.h"

#include "growth/GrowthWindow.h"

namespace {

class MainWindowGrowth : public GrowthFeature {
public:
    explicit MainWindowGrowth(QWidget* window)
        : GrowthFeature(window)
        , m_window(window) {
        setObjectName(QStringLiteral("GrowthFeature"));
    }

    void show(const Growth& growth, const RegionalSettings& regional) override {
        GrowthWindow window(growth, regional, m_window);
        window.exec();
    }

private:
    QWidget* m_window;
};

} // namespace

GrowthFeature* createGrowthFeature(QWidget* window) {
    return new MainWindowGrowth(window);
}
