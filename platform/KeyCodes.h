/// @file
/// KeyCodes: the codes a window message carries for the keys the intro reads. The platform layer
/// turns key events into them; the keyboard rules act on them.
#pragma once

#include <cstdint>

namespace afterglow {

enum : uint32_t {
    kKeyEnter = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    // The scene writers' keys (with --dev)
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyRight = 39,
    kKeyP = 80,
};

// Beside the code, a message says whether it is a key's release and whether Shift was held;
// the rules of the Enter, Escape and Space keys read the code alone.
constexpr uint32_t kKeyCodeMask = 0xFF;
constexpr uint32_t kKeyReleased = 0x100;
constexpr uint32_t kKeyShift = 0x200;

} // namespace afterglow
