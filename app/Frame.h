// Frame: the GL half of a frame step: what a frame plan says, drawn. The intro's loop, the
// capture tool and the tests draw through it.
#pragma once

#include "rules/FramePlan.h"

// Draws what a plan says, on a cleared screen with both matrices reset: the image, then the
// scroller and the layers over it. The first part can be had apart, for a caller that keeps it.
void drawScene(const DemoState& state, const SceneDrawing& drawing);
void drawSceneImage(const DemoState& state, const SceneDrawing& drawing);
void drawSceneOverImage(const DemoState& state, const SceneDrawing& drawing);

// Puts the GL state the scenes before time leave behind in place, as a run from the start would
// have it at time (the scroller's blending only once the scroller has been): for a run that
// starts or seeks elsewhere than at 0, and for captures.
void resetPicture(const Show& show, const DemoState& state, uint32_t time);
