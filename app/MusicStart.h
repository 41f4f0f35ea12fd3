// MusicStart: the first step of start-up. Checks the sound library, opens the output, opens
// "data/vorn.mp3" in the background, waits for it and starts it playing once. A failure prints
// one "Error: " line on standard output and ends the process with exit code 1, before any
// window exists.
#pragma once

// Returns only when the music plays.
void startMusic();

// The text of a sound layer error code; "Unknown error" past the last.
const char* musicErrorText(unsigned code);
