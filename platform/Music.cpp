#include "platform/Music.h"

#include "resources/MP3Probe.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {
constexpr int kMinimumMajor = 2, kMinimumMinor = 6, kMinimumPatch = 0;

std::atomic<unsigned> lasterror{kMusicNoError};
std::atomic<int> openstate{0};
Mix_Music* music = nullptr;

int fail(unsigned code) {
    lasterror = code;
    return -1;
}

// The worker: tells a missing file, a file of another format and a file the decoder refuses
// apart before handing the file to the mixer.
int openStream(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return fail(kMusicFileNotFound);
    }
    std::vector<uint8_t> head(kMP3ProbeSize);
    size_t got = std::fread(head.data(), 1, head.size(), file);
    bool unreadable = std::ferror(file) != 0;
    std::fclose(file);
    if (unreadable) {
        return fail(kMusicFileNotFound);
    }
    if (!looksLikeMP3(head.data(), got)) {
        return fail(kMusicUnknownFormat);
    }
    music = Mix_LoadMUS(path.c_str());
    return music != nullptr ? 0 : fail(kMusicLoadFailed);
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

bool musicInit() {
    constexpr int kRate = 44100;
    constexpr int kBufferFrames = 8192; // about 186 ms: the power of two nearest 200 ms
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
        lasterror = kMusicInitFailed;
        return false;
    }
    if ((Mix_Init(MIX_INIT_MP3) & MIX_INIT_MP3) == 0) {
        lasterror = kMusicCodecMissing;
        return false;
    }
    Mix_AllocateChannels(4);
    return true;
}

unsigned musicError() {
    return lasterror;
}

void musicOpenStream(const std::string& path) {
    openstate = kMusicOpening;
    std::thread([path] { openstate = openStream(path); }).detach();
}

int musicOpenState() {
    return openstate;
}

void musicPlay() {
    Mix_PlayMusic(music, 0);
}

bool musicPlaying() {
    return Mix_PlayingMusic() != 0;
}
