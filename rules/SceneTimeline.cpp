#include "rules/SceneTimeline.h"

#include "rules/ImageList.h"

const uint32_t SceneTimeline[kSceneCount] = {7500,  38000,  50670,  57004,  68211,  74411, 81011,
                                             93011, 106611, 119411, 130611, 138000, 160000};

namespace {
// Scene 7 shows these images in turn, one every 500 ms; after the last it shows image 12.
const int kFlipBookFrames[] = {7, 8, 7, 8, 9, 8, 9, 10, 11, 10, 11, 10, 9, 10, 9, 8, 10, 9, 10, 11};
constexpr int kFlipBookLength = sizeof(kFlipBookFrames) / sizeof(kFlipBookFrames[0]);
constexpr int kFlipBookEnd = 12;
} // namespace

float elapsedQuotient(uint32_t elapsed, double divisor) {
    return static_cast<float>(static_cast<double>(elapsed) / divisor);
}

uint32_t sceneStart(int32_t scene) {
    return scene <= 0 ? 0 : SceneTimeline[scene - 1];
}

void advanceTimeline(DemoState& state, uint32_t now) {
    advanceScenes(state, now, SceneTimeline, kSceneCount);
}

void advanceScenes(DemoState& state, uint32_t now, const uint32_t* ends, int32_t count) {
    for (int32_t i = 1; i <= count; ++i) {
        if (state.scene == i - 1 && ends[state.scene] < now) {
            ++state.scene;
        }
        if (state.scene == count) {
            state.quit = true;
        }
    }
}

SceneDrawing sceneDrawing(int32_t scene, uint32_t elapsed) {
    switch (scene) {
    case 0:
        return {0};
    case 1:
        return {3, true, elapsedQuotient(elapsed, 24000), kScrollTextImage};
    case 2: {
        float t = elapsedQuotient(elapsed, 500);
        return {t < 4 ? 22 : t < 6 ? 21 : 20};
    }
    case 3: {
        float t = elapsedQuotient(elapsed, 1000);
        return {t < 3 ? 1 : t < 7 ? 18 : 19};
    }
    case 4:
        return {2};
    case 5:
        return {5};
    case 6:
        return {6};
    case 7: {
        auto k = static_cast<int32_t>(elapsedQuotient(elapsed, 500));
        return {k >= 0 && k < kFlipBookLength ? kFlipBookFrames[k] : kFlipBookEnd};
    }
    case 8:
        return {elapsedQuotient(elapsed, 1000) <= 3 ? 13 : 14};
    case 9:
        return {elapsedQuotient(elapsed, 1000) <= 3 ? 25 : 24};
    case 10:
        return {23};
    case 11:
        return {elapsedQuotient(elapsed, 1000) <= 3 ? 15 : 16};
    case 12:
        return {17};
    default:
        return {};
    }
}
