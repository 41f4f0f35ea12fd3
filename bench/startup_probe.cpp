// Preloaded into the intro by bench/startup.sh: times its start-up from exec (the clock value the
// script passes in INTRO_EXEC_NS) to the first frame it presents, in parts: the GL context ready,
// the texture uploads, the first frame. Prints one line and ends the run at that frame.
#include <GL/gl.h>
#include <SDL.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {
double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double execMs() {
    const char* ns = std::getenv("INTRO_EXEC_NS");
    return ns != nullptr ? static_cast<double>(std::strtoull(ns, nullptr, 10)) / 1e6 : nowMs();
}

const double kExec = execMs();
double contextReady = 0, firstUpload = 0, lastUpload = 0, uploading = 0;
int uploads = 0;

template <class F> F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" SDL_GLContext SDL_GL_CreateContext(SDL_Window* window) {
    static auto real = next<SDL_GLContext (*)(SDL_Window*)>("SDL_GL_CreateContext");
    SDL_GLContext context = real(window);
    contextReady = nowMs() - kExec;
    return context;
}

extern "C" void glTexImage2D(GLenum target, GLint level, GLint internal, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const void* pixels) {
    static auto real =
        next<void (*)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*)>(
            "glTexImage2D");
    const double start = nowMs() - kExec;
    real(target, level, internal, width, height, border, format, type, pixels);
    lastUpload = nowMs() - kExec;
    firstUpload = uploads++ == 0 ? start : firstUpload;
    uploading += lastUpload - start;
}

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static auto real = next<void (*)(SDL_Window*)>("SDL_GL_SwapWindow");
    real(window);
    const double frame = nowMs() - kExec;
    std::printf("exec to first frame %.0f ms: context ready at %.0f, %d uploads %.0f ms (from %.0f "
                "to %.0f), first frame drawn %.0f ms after the last; waiting beyond those %.0f "
                "ms\n",
                frame, contextReady, uploads, uploading, firstUpload, lastUpload,
                frame - lastUpload, frame - contextReady - uploading - (frame - lastUpload));
    std::fflush(stdout);
    _exit(0);
}
