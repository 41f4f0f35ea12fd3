// MusicStart: the first step of start-up. Checks the sound library, opens the output, opens the
// soundtrack in the background, waits for it and starts it playing once: at once from its start,
// or, for a run that starts later, at the frame loop's seek, so that not a moment of its opening
// is heard first. Then keeps it with the picture: through the scene writers' keys, and after the
// sound output has stalled.
#pragma once

#include "platform/Music.h"
#include "rules/MusicDrift.h"
#include "rules/Playback.h"
#include "rules/Show.h"

#include <cstdint>
#include <string>

// None when the music plays, or waits for its seek (and drift knows when it started). Otherwise
// what failed: the caller prints its "Error: " line and ends the process with exit code 1 before
// any window exists.
afterglow::MusicError startMusic(afterglow::Music& music, MusicDrift& drift, const Show& show,
                                 uint32_t start);

// Moves the music along with what a scene writer's key did to the playback: pauses it, resumes
// it, or sends it to the playback's time (paused again if the playback is: a seek that restarted
// ended music must not play it while paused).
void followDevRequest(afterglow::Music& music, MusicDrift& drift, DevRequest request,
                      const Playback& playback, uint64_t wall);

// Starts music placed later on the clock once the playback reaches its start; sends the music to
// the playback's time when the sound output has let it fall behind, looking only while both
// play.
void keepMusicWithPicture(afterglow::Music& music, MusicDrift& drift, const Playback& playback,
                          uint64_t wall);
