// Keyboard rules: what one removed window message does to the run, read from its key code alone.
// Key-down and key-up both arrive as messages; Enter and Space act on every second message they
// carry, counted by one counter they share, so a keystroke (down, then up) acts once, on its up.
#pragma once

#include "platform/KeyCodes.h"
#include "rules/DemoState.h"

#include <cstdint>

// Applies the rules to the key code of a message removed this frame, in a timeline of sceneCount
// scenes. Returns true when the message asks for the clock to be printed.
bool applyKeyMessage(DemoState& state, uint32_t keycode, int32_t sceneCount);
