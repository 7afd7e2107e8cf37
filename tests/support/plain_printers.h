// Points printed as coordinates in failing tests, "(x, y)", for the core's and the shell's tests alike.
#pragma once

#include <ostream>

#include "lens/plain_types.h"

inline std::ostream& operator<<(std::ostream& out, Point p) { return out << '(' << p.x << ", " << p.y << ')'; }
