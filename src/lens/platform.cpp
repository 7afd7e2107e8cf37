// Holds the one platform that the rules reach the screen and the windows through.
// Installing it is the first thing the program (or a test) does.
#include "lens/platform.h"

namespace {
Platform* installedPlatform = nullptr;
}

Platform& platform() { return *installedPlatform; }

void usePlatform(Platform& installed) { installedPlatform = &installed; }
