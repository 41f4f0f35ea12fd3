// MusicStart: the first step of start-up. Checks the sound library, opens the output, opens the
// soundtrack in the background, waits for it and starts it playing once.
#pragma once

#include "platform/Music.h"

#include <string>

// None when the music plays. Otherwise what failed: the caller prints its "Error: " line and
// ends the process with exit code 1 before any window exists.
MusicError startMusic(Music& music, const std::string& soundtrack);
