// FramePlan: the portable half of a frame step: how the timeline advances, what the scene draws
// and what a removed key message does. No GL, no clock: the frame step and the tests feed it.
#pragma once

#include "rules/DemoState.h"
#include "rules/SceneTimeline.h"
#include "rules/Show.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Advances the timeline to now and says what the scene draws.
SceneDrawing planFrame(const Show& show, DemoState& state, uint32_t now);

// The clock values of one frame in each scene that starts before until, so that the GL state
// those scenes leave behind (the scroller's blending above all) is in place for a frame at until.
std::vector<uint32_t> warmUpTimes(const Show& show, uint32_t until);

// Applies the keyboard rules to a message removed this frame (its key code, see KeyCodes.h);
// true when the program is to print the clock (Space).
// A frame that removed no message changes nothing: a stale key is never applied twice.
bool handleMessage(const Show& show, DemoState& state, std::optional<uint32_t> message);

// The line Space prints: the clock in ms ("4500"); with a tempo, as --dev prints it, the bar and
// beat beside it ("4500 3:2").
std::string clockLine(uint32_t now, const Tempo* tempo);
