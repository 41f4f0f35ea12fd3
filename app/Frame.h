// Frame: one step of the frame loop at a given clock value. The interactive loop feeds it the
// clock and the window's messages; the capture tool and the tests feed it chosen times.
#pragma once

#include "app/FramePlan.h"

// Removes at most one message from a queue; see removeMessage in platform/Display.h.
using MessageSource = std::optional<uint32_t> (*)();

// Draws what a plan says, on a cleared screen with both matrices reset: the image, then the
// scroller over it. The two halves can be had apart, for a caller that keeps the first.
void drawScene(const DemoState& state, const SceneDrawing& drawing);
void drawSceneImage(const DemoState& state, const SceneDrawing& drawing);
void drawSceneScroller(const SceneDrawing& drawing);

// One whole frame, short of presenting: plan, draw, poll one message.
void frame(DemoState& state, uint32_t now, MessageSource removemessage);
