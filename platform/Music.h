// Music: the sound layer behind the music start, on SDL2_mixer. It opens the output, opens a
// music file in the background and plays it once; the music then plays on the mixer's own
// threads until the process ends. Failures are told as the error codes below.
#pragma once

#include <cstdint>
#include <string>

enum MusicErrorCode : unsigned {
    kMusicNoError = 0,
    kMusicInitFailed = 3,     // the output device could not be opened
    kMusicFileNotFound = 9,   // missing, unreadable, or not a regular file
    kMusicUnknownFormat = 10, // refused by the decoder, and not MPEG audio layer III either
    kMusicLoadFailed = 11,    // looked like MP3 but the decoder refused it
    kMusicCodecMissing = 18,  // the mixer was built without an MP3 decoder
};

// The oldest SDL_mixer the program supports, as "X.Y.Z", and whether the linked one is as new.
const char* musicMinimumVersion();
bool musicVersionSupported();

// Opens the default output at 44100 Hz, 16-bit stereo, 4 mixing channels, with a buffer of
// 2048 frames (46 ms): the smallest that plays without underruns here, so that what is heard
// follows the picture closely. Returns kMusicNoError or what failed.
MusicErrorCode musicInit();

// Opens the file on a worker thread; musicWaitOpened() blocks (without spinning) until it is
// ready, and says whether it opened.
void musicOpenStream(const std::string& path);
MusicErrorCode musicWaitOpened();

// Plays the opened file once.
void musicPlay();

// Whether the mixer is playing music now.
bool musicPlaying();

// For scene writers: moves the playing music to a time in ms, pauses it and resumes it, and
// says where it is (-1 where the decoder cannot tell).
void musicSeek(uint32_t ms);
void musicPause();
void musicResume();
double musicPositionMs();
