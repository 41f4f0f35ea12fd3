#include "TestFiles.h"

#include "platform/Music.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>

using namespace afterglow;

namespace {

std::mutex endedMutex;
std::condition_variable endedChanged;
bool musicEnded = false;

void noteMusicEnded() {
    {
        const std::lock_guard<std::mutex> lock(endedMutex);
        musicEnded = true;
    }
    endedChanged.notify_all();
}

class MusicTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(music.init(), MusicError::None);
    }
    // A 60 s tone made and opened: long, so that a seek to its start leaves it far from its end
    // however late the test's thread runs again.
    void openLongClip(const std::string& name) {
        const std::string path = scratchPath(name);
        ASSERT_EQ(
            runCommand("ffmpeg -v error -f lavfi -i sine=frequency=440:duration=60 -f mp3 " + path),
            0);
        music.open(path);
        ASSERT_EQ(music.waitOpened(), MusicError::None);
    }
    Music music;
};

// The decoder has the first word: whatever it plays is played; only a file it refuses is
// told apart by the probe.
TEST_F(MusicTest, OpensWhatTheDecoderPlaysAndNamesWhatItRefuses) {
    ASSERT_EQ(mkfifo(scratchPath("fifo.mp3").c_str(), 0600), 0);
    ASSERT_EQ(runCommand("ffmpeg -v error -f lavfi -i anullsrc -t 1 -f wav " +
                         scratchPath("renamed.mp3")),
              0);
    const std::vector<std::pair<std::string, MusicError>> cases = {
        {writeScratchFile("padded.mp3",
                          std::string(4, '\0') + readFile(INTRO_DATA_DIR "/vorn.mp3")),
         MusicError::None},
        {scratchPath("renamed.mp3"), MusicError::UnknownFormat}, // a WAV file
        {scratchPath("fifo.mp3"), MusicError::FileNotFound},     // never waited on
    };
    for (const auto& [path, expected] : cases) {
        music.open(path);
        EXPECT_EQ(music.waitOpened(), expected) << path;
    }
}

// Seeks while paused, so that the position read back cannot have moved on: the music is where
// it was sent, and music that has played to its end plays again from where a seek sends it.
TEST_F(MusicTest, GoesWhereASeekSendsItEvenAfterItEnded) {
    ASSERT_NO_FATAL_FAILURE(openLongClip("long.mp3"));
    music.play();
    // The mixer says when the music has played to its end (after it stopped it).
    Mix_HookMusicFinished(noteMusicEnded);
    music.seek(59950); // to its last 50 ms, so that it ends soon
    {
        std::unique_lock<std::mutex> lock(endedMutex);
        endedChanged.wait(lock, [] { return musicEnded; });
    }
    Mix_HookMusicFinished(nullptr);
    EXPECT_FALSE(music.playing()) << "music that played to its end is not playing";
    music.seek(100);
    EXPECT_TRUE(music.playing()) << "a seek plays ended music again";
    music.pause();
    music.seek(50);
    EXPECT_NEAR(music.positionMs(), 50, 1);
    EXPECT_TRUE(music.playing()) << "paused music is still playing";
}

// Placed later on the clock, the music is silent before its start and due there; a seek past
// its start goes that far into the file, and its position reads as clock time. A file that does
// not open in its place leaves the one before.
TEST_F(MusicTest, PlacedMusicStartsAtItsStartOnTheClock) {
    ASSERT_NO_FATAL_FAILURE(openLongClip("placed.mp3"));
    music.place(5000, 0.5);
    music.play();
    EXPECT_FALSE(music.playing()) << "silent before its start";
    EXPECT_FALSE(music.due(4999));
    EXPECT_TRUE(music.due(5000));
    music.seek(7000);
    music.pause();
    music.seek(7000);
    EXPECT_TRUE(music.playing());
    EXPECT_FALSE(music.due(7000));
    EXPECT_NEAR(music.positionMs(), 7000, 1) << "2 s into the file, 7 s on the clock";
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    music.seek(1000);
    EXPECT_FALSE(music.playing()) << "sent before its start: silent again";
    EXPECT_TRUE(music.due(5000));
    EXPECT_EQ(music.reopen(scratchPath("none.mp3")), MusicError::FileNotFound);
    music.seek(6000);
    music.pause();
    music.seek(6000);
    EXPECT_NEAR(music.positionMs(), 6000, 1) << "the music before plays on";
}

} // namespace
