// Display: the presentation's one window, the key-message queue and the buffer swap. By default
// the window is borderless and full-screen at the desktop's resolution; on request it is a
// decorated, resizable window of a chosen size. Either way it has a double-buffered OpenGL
// context current on the calling thread and lives until the process ends, and the picture
// fills it whatever its size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct DisplayMode {
    bool windowed = false;
    int width = 0, height = 0; // of a window
};

// Opens the window and makes its GL context current, hides the cursor (full screen) and asks
// for vsync. Returns false with a one-line "Error: ..." message when there is no display to show
// it on (SDL would otherwise fall back to an invisible window) or the window cannot be made.
bool createDisplay(const DisplayMode& mode, std::string& error);

// Shows the frame just drawn.
void presentDisplay();

// Removes one message from the window's queue and returns its key code (app/KeyCodes.h): Enter
// for Return and keypad Enter, Escape, Space, the scene writers' keys, and 0 for any other key,
// with the release and Shift flags. Key-downs (auto-repeats included) and key-ups are messages;
// a close request reads as Escape. A window resized on the way fits the picture to its new size.
// Returns nothing when no message is pending.
std::optional<uint32_t> removeMessage();
