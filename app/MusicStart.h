// MusicStart: the first step of start-up. Checks the sound library, opens the output, opens
// "data/vorn.mp3" in the background, waits for it and starts it playing once.
#pragma once

#include <string>

// True when the music plays. Otherwise false, with the one "Error: " line to print in failure;
// the caller ends the process with exit code 1 before any window exists.
bool startMusic(std::string& failure);

// Whether a failure line says that no sound output could be opened.
bool isNoSoundOutput(const std::string& failure);

// The text of a sound layer error code; "Unknown error" past the last.
const char* musicErrorText(unsigned code);
