/// @file
/// Display: the presentation's one window, its key-message queue and the buffer swap. By default
/// the window is borderless and full-screen at the desktop's resolution; on request it is a
/// decorated, resizable window of a chosen size. Either way it has a double-buffered OpenGL
/// context current on the calling thread, and the picture fills it whatever its size.
///
/// ```
/// afterglow::Display display;
/// std::string reason;
/// if (display.open({true, 1280, 720}, reason) != afterglow::DisplayError::None) { ... reason }
/// for (bool playing = true; playing;) {
///     // ... draw ...
///     display.present();
///     const std::optional<uint32_t> key = display.removeMessage();
///     playing = !key || (*key & afterglow::kKeyCodeMask) != afterglow::kKeyEscape;
/// }
/// ```
#pragma once

#include "base/ErrorTable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace afterglow {

#define INTRO_DISPLAY_ERRORS(X)                                                                    \
    X(NoDisplay, "No display found: set DISPLAY, or run the intro under Xvfb")                     \
    X(NoWindow, "Could not open the OpenGL window")
INTRO_ERROR_TABLE(DisplayError, INTRO_DISPLAY_ERRORS)

struct DisplayMode {
    bool windowed = false;
    int width = 0, height = 0; // of a window
};

struct GLSurface;

class Display {
  public:
    Display();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    /// Opens the window and makes its GL context current, hides the cursor (full screen) and asks
    /// for vsync. Refuses to play invisibly: NoDisplay when there is no display to show it on (SDL
    /// would otherwise fall back to an invisible window). reason says what SDL said.
    DisplayError open(const DisplayMode& mode, std::string& reason);

    /// Shows the frame just drawn.
    void present();

    /// Removes one message from the window's queue and returns its key code (platform/KeyCodes.h):
    /// Enter for Return and keypad Enter, Escape, Space, the scene writers' keys, and 0 for any
    /// other key, with the release and Shift flags. Key-downs (auto-repeats included) and key-ups
    /// are messages; a close request reads as Escape. A window resized on the way fits the picture
    /// to its new size. Returns nothing when no message is pending.
    std::optional<uint32_t> removeMessage();

    /// Whether a close request or an Escape key-down waits in the window's queue, which is left as
    /// it is: for a long wait outside the frame loop, which keeps the window answering.
    bool quitRequested();

  private:
    std::unique_ptr<GLSurface> m_surface; // only platform/ sees inside
    bool m_videoStarted = false;          // SDL's video, shut down again when the display goes
};

} // namespace afterglow
