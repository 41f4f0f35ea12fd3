// Frame: one step of the frame loop at a given clock value. The interactive loop feeds it the
// clock and the window's messages; the capture tool and the tests feed it chosen times.
#pragma once

#include "app/core/FramePlan.h"

// Removes at most one message from a queue; see removeMessage in platform/Display.h.
using MessageSource = std::optional<uint32_t> (*)();

// Draws what a plan says, on a cleared screen with both matrices reset: the image, then the
// scroller over it. The two halves can be had apart, for a caller that keeps the first.
void drawScene(const DemoState& state, const SceneDrawing& drawing);
void drawSceneImage(const DemoState& state, const SceneDrawing& drawing);
void drawSceneScroller(const SceneDrawing& drawing);

// Puts the GL state the scenes before time leave behind in place, as a run from the start would
// have it at time (the scroller's blending only once the scroller has been): for a run that
// starts or seeks elsewhere than at 0, and for captures.
void resetPicture(const DemoState& state, uint32_t time);

// One whole frame, short of presenting: plan, draw, poll one message.
void frame(DemoState& state, uint32_t now, MessageSource removemessage);
