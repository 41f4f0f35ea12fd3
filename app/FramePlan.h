// FramePlan: the portable half of a frame step: how the timeline advances, what the scene draws
// and what a removed key message does. No GL, no clock: the frame step and the tests feed it.
#pragma once

#include "app/DemoState.h"
#include "app/SceneTimeline.h"

#include <cstdint>
#include <optional>

// Advances the timeline to now and says what the scene draws.
SceneDrawing planFrame(DemoState& state, uint32_t now);

// Applies the keyboard rules to a message removed this frame, printing the clock on Space.
// A frame that removed no message changes nothing: a stale key is never applied twice.
void handleMessage(DemoState& state, std::optional<uint32_t> message, uint32_t now);
