// Preloaded into the intro by bench/layers.sh and bench/gallery.sh: counts the frames it presents
// from the end of its first second for ten seconds (PROBE_COUNT_MS, for a shorter show), prints
// the rate as one line and ends the run there.
#include <SDL.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {
double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The first second holds the start-up and the first frames' shader compiles: left out.
constexpr double kSettleMs = 1000;
const double kCountMs =
    std::getenv("PROBE_COUNT_MS") ? std::atof(std::getenv("PROBE_COUNT_MS")) : 10000;
double firstFrame = 0;
int counted = 0;
} // namespace

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static auto real =
        reinterpret_cast<void (*)(SDL_Window*)>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    real(window);
    const double now = nowMs();
    firstFrame = firstFrame == 0 ? now : firstFrame;
    if (now - firstFrame < kSettleMs) {
        return;
    }
    ++counted;
    if (now - firstFrame >= kSettleMs + kCountMs) {
        int width = 0, height = 0;
        SDL_GL_GetDrawableSize(window, &width, &height);
        std::printf("%d x %d: %.1f frames/s\n", width, height,
                    counted * 1000.0 / (now - firstFrame - kSettleMs));
        std::fflush(stdout);
        _exit(0);
    }
}
