/// @file
/// Music: the sound layer behind the music start, on SDL2_mixer. It opens the output, opens a
/// music file in the background and plays it; the music then plays on the mixer's own threads
/// until the process ends. For scene writers it also seeks, pauses and resumes.
///
/// ```
/// afterglow::Music music;
/// if (music.init() == afterglow::MusicError::None) {
///     music.open("data/vorn.mp3");
///     if (music.waitOpened() == afterglow::MusicError::None) music.play();
/// }
/// ```
#pragma once

#include "base/ErrorTable.h"

#include <cstdint>
#include <future>
#include <string>

struct _Mix_Music;

namespace afterglow {

// What failed, with the line each failure prints after "Error: ".
#define INTRO_MUSIC_ERRORS(X)                                                                      \
    X(OldLibrary, "You have the wrong SDL_mixer version - you should be using SDL_mixer 2.6.0")    \
    X(InitFailed, "Error initializing output device.")                                             \
    X(CodecMissing, "Required Mediaplayer codec is not installed")                                 \
    X(FileNotFound, "File not found")                                                              \
    X(UnknownFormat, "Unknown file format")                                                        \
    X(LoadFailed, "Error loading file")
INTRO_ERROR_TABLE(MusicError, INTRO_MUSIC_ERRORS)

class Music {
  public:
    Music() = default;
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    /// Checks the linked SDL_mixer (2.6.0 or newer), opens the default output at 44100 Hz, 16-bit
    /// stereo, 4 mixing channels, with a buffer of 2048 frames (46 ms): the smallest that plays
    /// without underruns here, so that what is heard follows the picture closely.
    MusicError init();

    /// Opens the file on a worker thread; waitOpened() blocks (without spinning) until it is
    /// ready, and says whether it opened. The decoder has the first word: whatever it plays is
    /// played; a file it refuses is told apart by its first bytes (UnknownFormat, LoadFailed).
    void open(const std::string& path);
    MusicError waitOpened();

    /// Opens another file at once, in place of the one open; on failure the one open stays.
    /// Either way the music is stopped, until a seek (or play) starts it again.
    MusicError reopen(const std::string& path);

    /// Places the music on the clock: it starts at start ms (silence before) at volume (0 to
    /// 1). Times given to seek() and read from positionMs() are then clock times.
    void place(uint32_t start, double volume);

    /// Plays the opened file once, from its start: at once, or once due() says it is time.
    void play();

    /// Moves the music to a clock time in ms, starting it there if it had not started or had
    /// ended; before the music's start, stops it until due(). Says whether it is playing (paused
    /// counts as playing, ended does not); pauses and resumes it; says where it is on the clock
    /// (-1 where the decoder cannot tell).
    void seek(uint32_t ms);
    bool playing() const;
    void pause();
    void resume();
    double positionMs() const;

    /// Whether music waiting for its start should start now: the caller then seeks it there.
    bool due(uint32_t now) const { return m_waiting && now >= m_start; }

  private:
    std::future<MusicError> m_opening;
    _Mix_Music* m_music = nullptr;
    uint32_t m_start = 0;
    bool m_waiting = false; // stopped before its start, to start there
};

} // namespace afterglow
