#include "platform/HeadlessContext.h"

#include "platform/GLSurface.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

HeadlessContext::HeadlessContext(int width, int height) : m_width(width), m_height(height) {
    // Software rendering keeps read-back pixels the same from machine to machine.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    // Nothing offscreen reads SDL's quit events: Ctrl-C and kill keep their usual effect, or
    // whatever the program itself makes of them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        m_error = SDL_GetError();
        return;
    }
    GLSurface surface = openGLSurface(width, height, SDL_WINDOW_HIDDEN, m_error);
    m_window = surface.window;
    m_context = surface.context;
    if (ok()) {
        glViewport(0, 0, width, height);
    }
}

HeadlessContext::~HeadlessContext() {
    if (m_context != nullptr) {
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(m_context));
        SDL_DestroyWindow(static_cast<SDL_Window*>(m_window));
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::vector<uint8_t> HeadlessContext::readPixels() const {
    const size_t rowbytes = static_cast<size_t>(m_width) * 3;
    std::vector<uint8_t> bottomup(rowbytes * static_cast<size_t>(m_height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, bottomup.data());
    std::vector<uint8_t> topdown(bottomup.size());
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(&topdown[static_cast<size_t>(y) * rowbytes],
                    &bottomup[static_cast<size_t>(m_height - 1 - y) * rowbytes], rowbytes);
    }
    return topdown;
}
