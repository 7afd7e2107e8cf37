// Holds the one platform that the rules reach the screen and the windows through.
// Installing it is the first thing the program (or a test) does.
#include "lens/platform.h"

namespace {
Platform* current = nullptr;
}

Platform& installedPlatform() { return *current; }

void installPlatform(Platform& installed) { current = &installed; }
