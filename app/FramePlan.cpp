#include "app/FramePlan.h"

#include "app/Keyboard.h"

#include <cstdio>

SceneDrawing planFrame(DemoState& state, uint32_t now) {
    advanceTimeline(state, now);
    return sceneDrawing(state.scene, now - sceneStart(state.scene));
}

void handleMessage(DemoState& state, std::optional<uint32_t> message, uint32_t now) {
    if (message && applyKeyMessage(state, *message)) {
        std::printf("%i\n", static_cast<int>(now));
        std::fflush(stdout);
    }
}
