// GLSurface: an SDL window with a current OpenGL context, as the presentation asks for it:
// double-buffered RGB with 8 bits per channel, no alpha, depth or stencil, compatibility profile.
// Shared by the interactive display and the headless context; only platform/ includes it.
#pragma once

#include <SDL.h>

#include <string>

struct GLSurface {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};

// Creates the window at the given size with the extra window flags and makes its context current.
// On failure returns a surface with null members and fills error.
GLSurface openGLSurface(int width, int height, Uint32 flags, std::string& error);
