#include "app/core/FramePlan.h"

#include "app/core/Keyboard.h"

#include <cstdio>

SceneDrawing planFrame(DemoState& state, uint32_t now) {
    advanceTimeline(state, now);
    return sceneDrawing(state.scene, now - sceneStart(state.scene));
}

void handleMessage(DemoState& state, std::optional<uint32_t> message, uint32_t now) {
    if (message && applyKeyMessage(state, *message & kKeyCodeMask)) {
        std::printf("%i\n", static_cast<int>(now));
        std::fflush(stdout);
    }
}

std::vector<uint32_t> warmUpTimes(uint32_t until) {
    std::vector<uint32_t> times;
    for (int32_t scene = 0; scene < kSceneCount; ++scene) {
        // The first clock value of the scene: one past the end of the one before.
        uint32_t start = scene == 0 ? 0 : SceneTimeline[scene - 1] + 1;
        if (start < until) {
            times.push_back(start);
        }
    }
    return times;
}
