#include "TestFiles.h"

#include "app/MusicStart.h"
#include "platform/Music.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The intro's own music start, on the dummy audio driver, with the default soundtrack.
TEST(Music, TheDefaultSoundtrackStartsPlaying) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::filesystem::create_directories(scratchPath("data"));
    std::filesystem::create_symlink(INTRO_DATA_DIR "/vorn.mp3", scratchPath("data/vorn.mp3"));
    std::filesystem::current_path(scratchPath(""));
    EXPECT_FALSE(musicPlaying());
    startMusic(); // ends the process with its error line on failure
    EXPECT_TRUE(musicPlaying());
    EXPECT_EQ(musicOpenState(), 0);
}

} // namespace
