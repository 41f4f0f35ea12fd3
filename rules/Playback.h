// Playback: where in the intro the clock is, for runs that do not simply start at process start:
// a run begun at a chosen time, and the scene writers' pause and seek. Plain arithmetic on wall
// clock values in milliseconds; the caller reads the clock and moves the music along.
#pragma once

#include "rules/DemoState.h"
#include "rules/Show.h"

#include <cstdint>
#include <optional>

struct Playback {
    int64_t origin = 0; // the wall clock value at intro time 0
    bool paused = false;
    uint32_t pausedAt = 0; // the intro time held while paused
};

// The intro time at a wall clock value; never past the last millisecond a time can hold.
uint32_t playbackTime(const Playback& playback, uint64_t wall);

// Whether the clock has run past the last millisecond a time can hold: every timeline has ended
// by then, even one whose last scene ends at that millisecond.
bool playbackPastLastTime(const Playback& playback, uint64_t wall);

// Makes the intro time at wall read time.
void seekPlayback(Playback& playback, uint32_t time, uint64_t wall);

// What a scene writer's key asked for: nothing, a pause or a resume, or a seek (to the new
// playbackTime).
enum class DevRequest { None, Pause, Resume, Seek };

// Applies P (pause, resume), Left and Right (5 s back and forth, 1 s with Shift, never before 0
// or past the end of the timeline) and Home (back to 0). Acts on a key's press, never its
// release; other messages ask for nothing.
DevRequest applyDevKey(Playback& playback, uint32_t message, uint64_t wall, uint32_t end);

// The run as a viewer of a run from the start finds it at time: the scene time belongs to,
// with what the keys changed forgotten but the loaded images kept.
void followTime(const Show& show, DemoState& state, uint32_t time);
