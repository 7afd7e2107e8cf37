// The arrow keys' step of the pick point: one pixel, bounded by the virtual screen only on the side it
// moves towards, so that a point left beyond the screen by a drag walks back or stays reachable.
#pragma once

#include <cstdint>

#include "lens/plain_types.h"

// The arrow keys, numbered as the platform's virtual-key codes VK_LEFT .. VK_DOWN.
enum class ArrowKey : std::uint32_t { Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28 };

Point stepPickPoint(Point pickPoint, ArrowKey key, const Rect& screen);
