// Saves the inputs to the settings file given as the only argument, over and
// over in two alternating versions, until it is killed. Writes "saving" to
// stdout once the first save is complete.

#include "tests/saving/SaveLoopFields.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const SavedInputs inputs(QString::fromLocal8Bit(argv[1]), RegionalSettings::unitedStates());
    for (long round = 0;; ++round) {
        inputs.save(saveLoopFields(round));
        if (round == 0) {
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
    }
}
