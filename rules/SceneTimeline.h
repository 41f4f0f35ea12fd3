// SceneTimeline: when each of the 13 scenes ends, how the scene index follows the clock, and what
// each scene draws at a given time within it. Pure functions: no GL, no clock.
#pragma once

#include "rules/DemoState.h"
#include "rules/Layer.h"

#include <cstdint>
#include <vector>

constexpr int kSceneCount = 13;

// End time of each scene in ms; scene s runs while the clock is at most entry s.
extern const uint32_t SceneTimeline[kSceneCount]; // NOLINT(readability-identifier-naming)

// Start of a scene in ms: the end of the one before, 0 for scene 0.
uint32_t sceneStart(int32_t scene);

// Moves the scene index past every scene whose end lies behind now, and sets the quit flag once
// the index reaches 13. Several scenes can pass in one call; the index never goes back.
void advanceTimeline(DemoState& state, uint32_t now);

// The same for any count scenes ending at ends.
void advanceScenes(DemoState& state, uint32_t now, const uint32_t* ends, int32_t count);

// What one scene draws: a full-screen image (an image number, or -1 for nothing) and, in scene 1,
// the scroller plane at a scroll position, carrying a text image; a timeline file's scene may
// add layers over both.
struct SceneDrawing {
    int image = -1;
    bool scroller = false;
    float scrollPosition = 0.0f;
    int text = -1;
    std::vector<LayerDrawing> layers{};
    bool operator==(const SceneDrawing& other) const {
        return image == other.image && scroller == other.scroller &&
               scrollPosition == other.scrollPosition && text == other.text &&
               layers == other.layers;
    }
};

// elapsed / divisor worked in double precision and rounded to single precision, as the rules
// compare it and the scroller is placed by it.
float elapsedQuotient(uint32_t elapsed, double divisor);

// The scene rules. elapsed is now minus the scene's start in unsigned 32-bit arithmetic, so a
// scene entered early by Enter sees a value near 2^32. Index 13 draws nothing.
SceneDrawing sceneDrawing(int32_t scene, uint32_t elapsed);
