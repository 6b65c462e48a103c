#pragma once

namespace TestSupport {

// Printing, the update check and the growth window from the code linked into
// the test, instead of the modules beside the program.
void provideLinkedFeatures();

} // namespace TestSupport
