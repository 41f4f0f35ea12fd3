/// @file
/// GLSurface: an SDL window with a current OpenGL context, as the presentation asks for it:
/// double-buffered RGB with 8 bits per channel, no alpha, depth or stencil, compatibility profile.
/// Shared by the interactive display and the headless context; only platform/ includes it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;

namespace afterglow {

/// The window and its context, deleted when it goes.
struct GLSurface {
    GLSurface() = default;
    ~GLSurface();
    GLSurface(const GLSurface&) = delete;
    GLSurface& operator=(const GLSurface&) = delete;

    SDL_Window* window = nullptr;
    void* context = nullptr; // an SDL_GLContext
};

/// Creates the window at the given size with the extra SDL window flags and makes its context
/// current. On failure returns null and says why in error.
std::unique_ptr<GLSurface> openGLSurface(int width, int height, uint32_t flags, std::string& error);

} // namespace afterglow
