#include "app/MusicStart.h"

#include "platform/Music.h"
#include "resources/core/DataFolder.h"

namespace {
const char* const ErrorTexts[] = {
    "No errors",
    "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
    "This command failed because FSOUND_Init was not called",
    "Error initializing output device.",
    "The output device is already in use and cannot be reused.",
    "Playing the sound failed.",
    "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
    "Error setting cooperative level for hardware.",
    "Error creating hardware sound buffer.",
    "File not found",
    "Unknown file format",
    "Error loading file",
    "Not enough memory ",
    "The version number of this file format is not supported",
    "An invalid parameter was passed to this function",
    "Tried to use an EAX command on a non EAX enabled channel or output.",
    "Failed to allocate a new channel",
    "Recording not supported on this device",
    "Required Mediaplayer codec is not installed",
};
constexpr unsigned kErrorTextCount = sizeof(ErrorTexts) / sizeof(ErrorTexts[0]);

} // namespace

const char* musicErrorText(unsigned code) {
    return code < kErrorTextCount ? ErrorTexts[code] : "Unknown error";
}

bool isNoSoundOutput(const std::string& failure) {
    return failure == std::string("Error: ") + musicErrorText(kMusicInitFailed);
}

bool startMusic(std::string& failure) {
    if (!musicVersionSupported()) {
        failure = std::string("Error: You have the wrong SDL_mixer version - you should be using "
                              "SDL_mixer ") +
                  musicMinimumVersion();
        return false;
    }
    MusicErrorCode error = musicInit();
    if (error == kMusicNoError) {
        musicOpenStream(dataPath("data/vorn.mp3"));
        error = musicWaitOpened();
    }
    if (error != kMusicNoError) {
        failure = std::string("Error: ") + musicErrorText(error);
        return false;
    }
    musicPlay();
    return true;
}
