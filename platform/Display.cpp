#include "platform/Display.h"

#include "app/KeyCodes.h"
#include "platform/GLSurface.h"

#include <SDL.h>

#include <cstring>

namespace {
GLSurface display;

bool isInvisibleDriver(const char* driver) {
    return driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
           std::strcmp(driver, "dummy") == 0;
}

uint32_t virtualKeyCode(SDL_Keycode key) {
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return kKeyEnter;
    case SDLK_ESCAPE:
        return kKeyEscape;
    case SDLK_SPACE:
        return kKeySpace;
    default:
        return 0;
    }
}
} // namespace

bool createDisplay(std::string& error) {
    const char* nodisplay = "Error: No display found: set DISPLAY, or run the intro under Xvfb";
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || isInvisibleDriver(SDL_GetCurrentVideoDriver())) {
        error = nodisplay;
        return false;
    }
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        error = nodisplay;
        return false;
    }
    // Created at the desktop's size: with no window manager a size of 0 comes up as 1x1.
    std::string reason;
    display = openGLSurface(
        desktop.w, desktop.h,
        SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP, reason);
    if (display.window == nullptr) {
        error = "Error: Could not open the OpenGL window: " + reason;
        return false;
    }
    // Xvfb refuses vsync; the buffer swap is then the only pacing, as intended.
    SDL_GL_SetSwapInterval(1);
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

void presentDisplay() {
    SDL_GL_SwapWindow(display.window);
}

std::optional<uint32_t> removeMessage() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
        case SDL_QUIT:
            return kKeyEscape;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return virtualKeyCode(event.key.keysym.sym);
        default:
            break; // not a keyboard message: not part of the queue the rules read
        }
    }
    return std::nullopt;
}
