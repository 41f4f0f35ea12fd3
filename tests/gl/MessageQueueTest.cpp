#include "GLTestSupport.h"

#include "platform/Display.h"
#include "platform/KeyCodes.h"

#include <SDL.h>

using namespace afterglow;

namespace {

class MessageQueue : public GLTest {};

TEST_F(MessageQueue, RemovesOneKeyMessageACallWithThePlatformKeyCodes) {
    Display display; // its queue works before and without a window
    while (display.removeMessage()) {
    }
    struct Event {
        Uint32 type;
        SDL_Keycode key;
        Uint8 repeat;
        Uint16 mod;
        std::optional<uint32_t> message; // none: skipped
    };
    // clang-format off
    const Event events[] = {
        {SDL_KEYDOWN, SDLK_RETURN, 0, KMOD_NONE, kKeyEnter},
        {SDL_KEYDOWN, SDLK_RETURN, 1, KMOD_NONE, kKeyEnter}, // auto-repeat is a message of its own
        {SDL_KEYUP, SDLK_RETURN, 0, KMOD_NONE, kKeyEnter | kKeyReleased},
        {SDL_KEYDOWN, SDLK_KP_ENTER, 0, KMOD_NONE, kKeyEnter},
        {SDL_KEYUP, SDLK_SPACE, 0, KMOD_NONE, kKeySpace | kKeyReleased},
        {SDL_KEYDOWN, SDLK_a, 0, KMOD_NONE, 0},
        {SDL_KEYDOWN, SDLK_RIGHT, 0, KMOD_LSHIFT, kKeyRight | kKeyShift},
        {SDL_MOUSEMOTION, 0, 0, KMOD_NONE, std::nullopt}, // not a keyboard message
        {SDL_KEYDOWN, SDLK_ESCAPE, 0, KMOD_NONE, kKeyEscape},
        {SDL_QUIT, 0, 0, KMOD_NONE, kKeyEscape},
    };
    // clang-format on
    for (const Event& e : events) {
        SDL_Event event{};
        event.type = e.type;
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            event.key.type = e.type;
            event.key.keysym.sym = e.key;
            event.key.keysym.mod = e.mod;
            event.key.repeat = e.repeat;
        }
        SDL_PushEvent(&event);
    }
    for (const Event& e : events) {
        if (e.message) {
            EXPECT_EQ(display.removeMessage(), e.message);
        }
    }
    EXPECT_FALSE(display.removeMessage().has_value());
}

} // namespace
