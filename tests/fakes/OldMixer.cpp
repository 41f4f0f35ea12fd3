// Preloaded into the intro by a test, this stands in for an SDL_mixer older than the intro
// supports, so that the version check can be seen refusing it.
#include <SDL_mixer.h>

extern "C" const SDL_version* Mix_Linked_Version(void) {
    static const SDL_version old = {2, 0, 4};
    return &old;
}
