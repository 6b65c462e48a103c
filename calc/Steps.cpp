#include "calc/Steps.h"

const std::array<Step, kStepCount>& savingsSteps() {
    static constexpr std::array<Step, kStepCount> steps = {{
        {10, " 10", "$10"},
        {25, " 25", "$25"},
        {50, " 50", "$50"},
        {75, " 75", "$75"},
        {100, " 100", "$100"},
        {125, " 125", "$125"},
        {150, " 150", "$150"},
        {200, " 200", "$200"},
        {250, " 250", "$250"},
    }};
    return steps;
}

const std::array<Step, kStepCount>& rateSteps() {
    // The third is the double nearest to 1/3, not 0.333.
    static constexpr std::array<Step, kStepCount> steps = {{
        {0.1, "  .10", "1/10%"},
        {0.125, "  .125", "1/8%"},
        {0.2, "  .20", "1/5%"},
        {0.25, "  .25", "1/4%"},
        {1.0 / 3.0, "  .333", "1/3%"},
        {0.375, "  .375", "3/8%"},
        {0.5, "  .5", "1/2%"},
        {0.75, "  .75", "3/4%"},
        {1.0, " 1.0", "1%"},
    }};
    return steps;
}

namespace {

int clampIndex(int index) {
    return index < 0 ? 0 : (index >= kStepCount ? kStepCount - 1 : index);
}

} // namespace

const Step& savingsStep(int index) {
    return savingsSteps()[clampIndex(index)];
}

const Step& rateStep(int index) {
    return rateSteps()[clampIndex(index)];
}
