#include "platform/HeadlessContext.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace afterglow;

namespace {

// A library object's effects on the process end with it: the environment and SDL's hints are as
// they were, whatever they held (the offscreen driver overrides a desktop's while it lives).
TEST(HeadlessContext, LeavesTheEnvironmentAndHintsAsItFoundThem) {
    for (const char* before : {static_cast<const char*>(nullptr), "0"}) {
        if (before != nullptr) {
            setenv("LIBGL_ALWAYS_SOFTWARE", before, 1);
        } else {
            unsetenv("LIBGL_ALWAYS_SOFTWARE");
        }
        setenv("SDL_VIDEODRIVER", "wayland", 1);
        {
            HeadlessContext context(8, 8);
            ASSERT_TRUE(context.ok()) << context.error();
            EXPECT_STREQ(SDL_GetHint(SDL_HINT_VIDEODRIVER), "offscreen");
        }
        const char* after = std::getenv("LIBGL_ALWAYS_SOFTWARE");
        EXPECT_EQ(after == nullptr ? "unset" : std::string(after),
                  before == nullptr ? "unset" : std::string(before));
        EXPECT_STREQ(SDL_GetHint(SDL_HINT_VIDEODRIVER), "wayland");
        EXPECT_EQ(SDL_GetHint(SDL_HINT_NO_SIGNAL_HANDLERS), nullptr);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    }
}

} // namespace
