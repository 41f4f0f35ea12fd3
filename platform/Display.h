// Display: the presentation's one window, the key-message queue and the buffer swap.
// The window is borderless and full-screen at the desktop's resolution with a double-buffered
// OpenGL context current on the calling thread; it lives until the process ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Opens the window and makes its GL context current, hides the cursor and asks for vsync.
// Returns false with a one-line "Error: ..." message when there is no display to show it on
// (SDL would otherwise fall back to an invisible window) or the window cannot be made.
bool createDisplay(std::string& error);

// Shows the frame just drawn.
void presentDisplay();

// Removes one message from the window's queue and returns its key code (app/KeyCodes.h): Enter
// for Return and keypad Enter, Escape, Space, and 0 for any other key.
// Key-downs (auto-repeats included) and key-ups are messages; a close request reads as Escape.
// Returns nothing when no message is pending.
std::optional<uint32_t> removeMessage();
