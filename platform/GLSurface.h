/// @file
/// GLSurface: an SDL window with a current OpenGL context, as the presentation asks for it:
/// double-buffered RGB with 8 bits per channel, no alpha, depth or stencil, compatibility profile.
/// Shared by the interactive display and the headless context; only platform/ includes it.
#pragma once

#include <cstdint>
#include <string>

struct SDL_Window;

struct GLSurface {
    SDL_Window* window = nullptr;
    void* context = nullptr; // an SDL_GLContext
};

/// Creates the window at the given size with the extra SDL window flags and makes its context
/// current. On failure returns a surface with null members and says why in error.
GLSurface openGLSurface(int width, int height, uint32_t flags, std::string& error);

/// Deletes the context and the window of a surface that opened; leaves the surface empty.
void closeGLSurface(GLSurface& surface);
