// Frame: one step of the frame loop at a given clock value. The interactive loop feeds it the
// clock and the window's messages; the capture tool and the tests feed it chosen times.
#pragma once

#include "app/DemoState.h"
#include "app/SceneTimeline.h"

#include <cstdint>
#include <optional>

// Removes at most one message from a queue; see removeMessage in platform/Display.h.
using MessageSource = std::optional<uint32_t> (*)();

// The portable part of a frame: advances the timeline to now and says what the scene draws.
SceneDrawing planFrame(DemoState& state, uint32_t now);

// Applies the keyboard rules to a message removed this frame, printing the clock on Space.
// A frame that removed no message changes nothing: a stale key is never applied twice.
void handleMessage(DemoState& state, std::optional<uint32_t> message, uint32_t now);

// One whole frame, short of presenting: clear, advance, draw the scene, poll one message.
void frame(DemoState& state, uint32_t now, MessageSource removemessage);
