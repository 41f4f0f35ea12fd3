#include "GLTestSupport.h"

#include "app/core/KeyCodes.h"
#include "platform/Display.h"

#include <SDL.h>

namespace {

void pushKey(Uint32 type, SDL_Keycode key, bool repeat = false, Uint16 mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&event);
}

class MessageQueue : public GLTest {};

TEST_F(MessageQueue, RemovesOneKeyMessageACallWithThePlatformKeyCodes) {
    Display display; // its queue works before and without a window
    while (display.removeMessage()) {
    }
    pushKey(SDL_KEYDOWN, SDLK_RETURN);
    pushKey(SDL_KEYDOWN, SDLK_RETURN, true); // auto-repeat is a message of its own
    pushKey(SDL_KEYUP, SDLK_RETURN);
    pushKey(SDL_KEYDOWN, SDLK_KP_ENTER);
    pushKey(SDL_KEYUP, SDLK_SPACE);
    pushKey(SDL_KEYDOWN, SDLK_a);
    pushKey(SDL_KEYDOWN, SDLK_RIGHT, false, KMOD_LSHIFT);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION; // not a keyboard message: skipped
    SDL_PushEvent(&motion);
    pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);

    const uint32_t expected[] = {kKeyEnter,
                                 kKeyEnter,
                                 kKeyEnter | kKeyReleased,
                                 kKeyEnter,
                                 kKeySpace | kKeyReleased,
                                 0,
                                 kKeyRight | kKeyShift,
                                 kKeyEscape,
                                 kKeyEscape};
    for (uint32_t code : expected) {
        std::optional<uint32_t> message = display.removeMessage();
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(*message, code);
    }
    EXPECT_FALSE(display.removeMessage().has_value());
}

} // namespace
