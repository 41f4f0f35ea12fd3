#include "platform/GLSurface.h"

#include <SDL.h>

namespace afterglow {

std::unique_ptr<GLSurface> openGLSurface(int width, int height, uint32_t flags,
                                         std::string& error) {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);

    auto surface = std::make_unique<GLSurface>();
    surface->window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_OPENGL | flags);
    if (surface->window != nullptr) {
        surface->context = SDL_GL_CreateContext(surface->window);
    }
    if (surface->context == nullptr || SDL_GL_MakeCurrent(surface->window, surface->context) != 0) {
        error = SDL_GetError();
        surface.reset();
    }
    return surface;
}

GLSurface::~GLSurface() {
    if (context != nullptr) {
        SDL_GL_DeleteContext(context);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
}

} // namespace afterglow
