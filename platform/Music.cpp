#include "platform/Music.h"

#include "base/MP3Probe.h"
#include "base/RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace afterglow {

namespace {
// Standard error, diverted into a scratch file until release() passes on what was written, or
// drop() forgets it. Where no scratch file can be made, nothing is diverted.
class HeldStderr {
  public:
    HeldStderr() : m_file(std::tmpfile()) {
        std::fflush(stderr);
        m_saved = m_file != nullptr ? dup(STDERR_FILENO) : -1;
        if (m_saved >= 0) {
            dup2(fileno(m_file), STDERR_FILENO);
        }
    }
    ~HeldStderr() { release(); }
    HeldStderr(const HeldStderr&) = delete;
    HeldStderr& operator=(const HeldStderr&) = delete;

    void release() { restore(true); }
    void drop() { restore(false); }

  private:
    void restore(bool passOn) {
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
            if (passOn) {
                std::rewind(m_file);
                char buffer[4096];
                size_t n;
                while ((n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0) {
                    std::fwrite(buffer, 1, n, stderr);
                }
            }
        }
        if (m_file != nullptr) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }
    std::FILE* m_file;
    int m_saved = -1;
};

constexpr int kMinimumMajor = 2, kMinimumMinor = 6, kMinimumPatch = 0;

// The worker. Only when the decoder refuses the file does the probe tell a file of another
// format from an MP3 that fails to load.
MusicError openStream(const std::string& path, Mix_Music*& music) {
    std::FILE* file = openRegularFile(path.c_str());
    if (file == nullptr) {
        return MusicError::FileNotFound;
    }
    std::vector<uint8_t> head(kMP3ProbeSize);
    head.resize(std::fread(head.data(), 1, head.size(), file));
    const bool unreadable = std::ferror(file) != 0;
    std::fclose(file);
    if (unreadable) {
        return MusicError::FileNotFound;
    }
    // The mixer reads a file named .mp3 as MP3, whatever its first bytes say.
    music = Mix_LoadMUS(path.c_str());
    if (music != nullptr) {
        return MusicError::None;
    }
    return looksLikeMP3(head.data(), head.size()) ? MusicError::LoadFailed
                                                  : MusicError::UnknownFormat;
}
} // namespace

Music::~Music() {
    // The music plays until the process ends; a worker still opening is waited for.
    if (m_opening.valid()) {
        m_opening.wait();
    }
}

MusicError Music::init() {
    const SDL_version* linked = Mix_Linked_Version();
    if (SDL_VERSIONNUM(linked->major, linked->minor, linked->patch) <
        SDL_VERSIONNUM(kMinimumMajor, kMinimumMinor, kMinimumPatch)) {
        return MusicError::OldLibrary;
    }
    constexpr int kRate = 44100;
    constexpr int kBufferFrames = 2048;
    // The sound libraries below SDL print their own lines while they look for an output; when
    // none opens, our one line says so instead of theirs.
    HeldStderr held;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
        held.drop();
        return MusicError::InitFailed;
    }
    held.release();
    if ((Mix_Init(MIX_INIT_MP3) & MIX_INIT_MP3) == 0) {
        return MusicError::CodecMissing;
    }
    Mix_AllocateChannels(4);
    return MusicError::None;
}

void Music::open(const std::string& path) {
    m_opening = std::async(std::launch::async, openStream, path, std::ref(m_music));
}

MusicError Music::waitOpened() {
    return m_opening.valid() ? m_opening.get() : MusicError::FileNotFound;
}

MusicError Music::reopen(const std::string& path) {
    Mix_Music* opened = nullptr;
    const MusicError error = openStream(path, opened);
    Mix_HaltMusic();
    if (error == MusicError::None) {
        Mix_FreeMusic(m_music);
        m_music = opened;
    }
    return error;
}

void Music::place(uint32_t start, double volume) {
    m_start = start;
    Mix_VolumeMusic(static_cast<int>(std::lround(volume * MIX_MAX_VOLUME)));
}

void Music::play() {
    m_waiting = m_start > 0;
    if (m_waiting) {
        Mix_HaltMusic();
    } else {
        Mix_PlayMusic(m_music, 0);
    }
}

void Music::seek(uint32_t ms) {
    m_waiting = ms < m_start;
    if (m_waiting) {
        Mix_HaltMusic();
        return;
    }
    // Music not playing (never started, or played to its end) starts where it is sent: placed
    // and started under the mixer's lock, so that not one buffer of it plays from 0 first.
    const double seconds = (ms - m_start) / 1000.0;
    if (playing()) {
        Mix_SetMusicPosition(seconds);
    } else {
        Mix_FadeInMusicPos(m_music, 0, 0, seconds);
    }
}

bool Music::playing() const {
    return Mix_PlayingMusic() != 0;
}

void Music::pause() {
    Mix_PauseMusic();
}

void Music::resume() {
    Mix_ResumeMusic();
}

double Music::positionMs() const {
    const double seconds = Mix_GetMusicPosition(m_music);
    return seconds < 0 ? -1 : seconds * 1000.0 + m_start;
}

} // namespace afterglow
