#include "platform/HeadlessContext.h"

#include "platform/GLSurface.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace afterglow {

namespace {
const char* const kSoftware = "LIBGL_ALWAYS_SOFTWARE";
}

HeadlessContext::HeadlessContext(int width, int height) : m_width(width), m_height(height) {
    // Software rendering keeps read-back pixels the same from machine to machine. What the
    // environment and SDL's hints held before comes back when the context goes.
    if (const char* before = std::getenv(kSoftware)) {
        m_softwareBefore = before;
    }
    setenv(kSoftware, "1", 1);
    // Over the environment's SDL_VIDEODRIVER, which a desktop session sets for its windows.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
    // Nothing offscreen reads SDL's quit events: Ctrl-C and kill keep their usual effect, or
    // whatever the program itself makes of them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        m_error = SDL_GetError();
        return;
    }
    m_videoStarted = true;
    m_surface = openGLSurface(width, height, SDL_WINDOW_HIDDEN, m_error);
    if (ok()) {
        glViewport(0, 0, width, height);
    }
}

HeadlessContext::~HeadlessContext() {
    m_surface.reset();
    if (m_videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    SDL_ResetHint(SDL_HINT_NO_SIGNAL_HANDLERS);
    if (m_softwareBefore) {
        setenv(kSoftware, m_softwareBefore->c_str(), 1);
    } else {
        unsetenv(kSoftware);
    }
}

std::vector<uint8_t> HeadlessContext::readPixels() const {
    const size_t rowBytes = static_cast<size_t>(m_width) * 3;
    std::vector<uint8_t> bottomUp(rowBytes * static_cast<size_t>(m_height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<uint8_t> topDown(bottomUp.size());
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(&topDown[static_cast<size_t>(y) * rowBytes],
                    &bottomUp[static_cast<size_t>(m_height - 1 - y) * rowBytes], rowBytes);
    }
    return topDown;
}

} // namespace afterglow
