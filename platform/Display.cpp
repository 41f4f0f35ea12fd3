#include "platform/Display.h"

#include "platform/GLSurface.h"
#include "platform/KeyCodes.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstring>

namespace afterglow {

namespace {
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
    case SDLK_HOME:
        return kKeyHome;
    case SDLK_LEFT:
        return kKeyLeft;
    case SDLK_RIGHT:
        return kKeyRight;
    case SDLK_p:
        return kKeyP;
    default:
        return 0;
    }
}

uint32_t keyMessage(const SDL_KeyboardEvent& key) {
    return virtualKeyCode(key.keysym.sym) | (key.type == SDL_KEYUP ? kKeyReleased : 0) |
           ((key.keysym.mod & KMOD_SHIFT) != 0 ? kKeyShift : 0);
}
} // namespace

Display::Display() = default;

Display::~Display() {
    m_surface.reset();
    if (m_videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

DisplayError Display::open(const DisplayMode& mode, std::string& reason) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        reason = SDL_GetError();
        return DisplayError::NoDisplay;
    }
    m_videoStarted = true;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (isInvisibleDriver(driver)) {
        // SDL leaves no error of its own when X11 and Wayland fail and it falls back.
        const char* display = SDL_getenv("DISPLAY");
        reason = std::string("no X11 or Wayland display could be opened (") +
                 (display != nullptr ? "DISPLAY=" + std::string(display) : "DISPLAY is not set") +
                 "); SDL picked its '" + (driver != nullptr ? driver : "none") +
                 "' video driver, which shows nothing";
        return DisplayError::NoDisplay;
    }
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        reason = SDL_GetError();
        return DisplayError::NoDisplay;
    }
    // Created at the desktop's size: with no window manager a size of 0 comes up as 1x1.
    m_surface = mode.windowed ? openGLSurface(mode.width, mode.height, SDL_WINDOW_RESIZABLE, reason)
                              : openGLSurface(desktop.w, desktop.h,
                                              SDL_WINDOW_FULLSCREEN_DESKTOP |
                                                  SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP,
                                              reason);
    if (m_surface == nullptr) {
        return DisplayError::NoWindow;
    }
    // Xvfb refuses vsync; the buffer swap is then the only pacing, as intended.
    SDL_GL_SetSwapInterval(1);
    if (mode.windowed) {
        SDL_SetWindowTitle(m_surface->window, "afterglow");
        SDL_SetWindowPosition(m_surface->window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_ShowCursor(SDL_DISABLE);
    }
    return DisplayError::None;
}

void Display::present() {
    SDL_GL_SwapWindow(m_surface->window);
}

bool Display::quitRequested() {
    SDL_PumpEvents();
    SDL_Event events[64];
    if (SDL_PeepEvents(events, 1, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0) {
        return true;
    }
    const int keys = SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN);
    for (int n = 0; n < keys; ++n) {
        if (events[n].key.keysym.sym == SDLK_ESCAPE) {
            return true;
        }
    }
    return false;
}

std::optional<uint32_t> Display::removeMessage() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
        case SDL_QUIT:
            return kKeyEscape;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return keyMessage(event.key);
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                int width = 0, height = 0;
                SDL_GL_GetDrawableSize(m_surface->window, &width, &height);
                glViewport(0, 0, width, height);
            }
            break;
        default:
            break; // not a keyboard message: not part of the queue the rules read
        }
    }
    return std::nullopt;
}

} // namespace afterglow
