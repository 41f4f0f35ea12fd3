#include "platform/Music.h"

#include "resources/core/MP3Probe.h"
#include "resources/core/RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <future>
#include <vector>

namespace {
constexpr int kMinimumMajor = 2, kMinimumMinor = 6, kMinimumPatch = 0;

std::future<MusicErrorCode> opening;
Mix_Music* music = nullptr;

// The worker. The decoder has the first word: whatever it plays is played. Only when it refuses
// does the probe tell a file of another format from an MP3 that fails to load.
MusicErrorCode openStream(const std::string& path) {
    std::FILE* file = openRegularFile(path.c_str());
    if (file == nullptr) {
        return kMusicFileNotFound;
    }
    std::vector<uint8_t> head(kMP3ProbeSize);
    head.resize(std::fread(head.data(), 1, head.size(), file));
    const bool unreadable = std::ferror(file) != 0;
    std::fclose(file);
    if (unreadable) {
        return kMusicFileNotFound;
    }
    // The mixer reads a file named .mp3 as MP3, whatever its first bytes say.
    music = Mix_LoadMUS(path.c_str());
    if (music != nullptr) {
        return kMusicNoError;
    }
    return looksLikeMP3(head.data(), head.size()) ? kMusicLoadFailed : kMusicUnknownFormat;
}
} // namespace

const char* musicMinimumVersion() {
    return "2.6.0";
}

bool musicVersionSupported() {
    const SDL_version* linked = Mix_Linked_Version();
    return SDL_VERSIONNUM(linked->major, linked->minor, linked->patch) >=
           SDL_VERSIONNUM(kMinimumMajor, kMinimumMinor, kMinimumPatch);
}

MusicErrorCode musicInit() {
    constexpr int kRate = 44100;
    constexpr int kBufferFrames = 2048;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
        return kMusicInitFailed;
    }
    if ((Mix_Init(MIX_INIT_MP3) & MIX_INIT_MP3) == 0) {
        return kMusicCodecMissing;
    }
    Mix_AllocateChannels(4);
    return kMusicNoError;
}

void musicOpenStream(const std::string& path) {
    opening = std::async(std::launch::async, openStream, path);
}

MusicErrorCode musicWaitOpened() {
    return opening.valid() ? opening.get() : kMusicFileNotFound;
}

void musicPlay() {
    Mix_PlayMusic(music, 0);
}

bool musicPlaying() {
    return Mix_PlayingMusic() != 0;
}

void musicSeek(uint32_t ms) {
    Mix_SetMusicPosition(ms / 1000.0);
}

void musicPause() {
    Mix_PauseMusic();
}

void musicResume() {
    Mix_ResumeMusic();
}

double musicPositionMs() {
    const double seconds = Mix_GetMusicPosition(music);
    return seconds < 0 ? -1 : seconds * 1000.0;
}
