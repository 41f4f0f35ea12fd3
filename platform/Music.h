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

    /// Plays the opened file once, from its start.
    void play();

    /// Moves the music to a time in ms, starting it there if it had not started or had ended; says
    /// whether it is
    /// playing (paused counts as playing, ended does not); pauses and resumes it; says where it
    /// is (-1 where the decoder cannot tell).
    void seek(uint32_t ms);
    bool playing() const;
    void pause();
    void resume();
    double positionMs() const;

  private:
    std::future<MusicError> m_opening;
    _Mix_Music* m_music = nullptr;
};

} // namespace afterglow
