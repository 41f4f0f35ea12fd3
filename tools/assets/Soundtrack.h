// Soundtrack: the default content's music, 160 s synthesized here: a pad, a bass, an arpeggio
// and drums over a chord progression that changes at the scene changes of the timeline.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;
constexpr int kSoundtrackSeconds = 160;

// Interleaved 16-bit stereo samples.
std::vector<int16_t> synthesizeSoundtrack();
