#include "TestFiles.h"

#include "app/DevMode.h"
#include "app/core/KeyCodes.h"
#include "platform/Clock.h"
#include "platform/Music.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

std::vector<uint8_t> soundtrack() {
    std::ifstream in(INTRO_DATA_DIR "/vorn.mp3", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The decoder has the first word: whatever it plays is played; only a file it refuses is
// told apart by the probe.
TEST(Music, OpensWhatTheDecoderPlaysAndNamesWhatItRefuses) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(musicInit(), kMusicNoError);
    std::vector<uint8_t> padded = {0, 0, 0, 0};
    std::vector<uint8_t> mp3 = soundtrack();
    padded.insert(padded.end(), mp3.begin(), mp3.end());
    ASSERT_EQ(mkfifo(scratchPath("fifo.mp3").c_str(), 0600), 0);
    ASSERT_EQ(runCommand("ffmpeg -v error -f lavfi -i anullsrc -t 1 -f wav " +
                         scratchPath("renamed.mp3")),
              0);
    const std::vector<std::pair<std::string, MusicErrorCode>> cases = {
        {writeScratchFile("padded.mp3", padded), kMusicNoError},
        {scratchPath("renamed.mp3"), kMusicUnknownFormat}, // a WAV file
        {writeScratchFile("text.mp3", "mapfile xspace yspace\n"), kMusicUnknownFormat},
        {scratchPath("fifo.mp3"), kMusicFileNotFound},
        {scratchPath(""), kMusicFileNotFound},
    };
    for (const auto& [path, expected] : cases) {
        musicOpenStream(path);
        EXPECT_EQ(musicWaitOpened(), expected) << path;
    }
}

// Scripted seeks and pauses, as the scene writers' keys make them: the music's own position
// keeps within 50 ms of the clock the picture follows.
TEST(Music, FollowsTheClockThroughSeeksAndPauses) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(musicInit(), kMusicNoError);
    musicOpenStream(INTRO_DATA_DIR "/vorn.mp3");
    ASSERT_EQ(musicWaitOpened(), kMusicNoError);
    Playback playback;
    seekPlayback(playback, 0, clockMs());
    musicPlay();
    std::srand(7);
    const uint32_t keys[] = {kKeyP, kKeyLeft, kKeyRight, kKeyRight | kKeyShift, kKeyHome};
    double worst = 0;
    for (int i = 0; i < 50; ++i) {
        const uint32_t wall = clockMs();
        followMusic(applyDevKey(playback, keys[std::rand() % 5], wall), playback, wall);
        SDL_Delay(static_cast<Uint32>(60 + std::rand() % 120));
        const double heard = musicPositionMs();
        worst = std::max(worst, std::abs(heard - playbackTime(playback, clockMs())));
    }
    std::printf("worst difference between music and clock over 50 steps: %.0f ms\n", worst);
    EXPECT_LE(worst, 50.0);
}

} // namespace
