// KeyCodes: the codes a window message carries for the keys the intro reads. The platform layer
// turns key events into them; the keyboard rules act on them.
#pragma once

#include <cstdint>

enum : uint32_t { kKeyEnter = 13, kKeyEscape = 27, kKeySpace = 32 };
