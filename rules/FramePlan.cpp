#include "rules/FramePlan.h"

#include "rules/Keyboard.h"

using namespace afterglow;

SceneDrawing planFrame(const Show& show, DemoState& state, uint32_t now) {
    show.advance(state, now);
    return show.drawing(state.scene, now - show.sceneStart(state.scene));
}

bool handleMessage(const Show& show, DemoState& state, std::optional<uint32_t> message) {
    return message && applyKeyMessage(state, *message & kKeyCodeMask, show.sceneCount());
}

std::string clockLine(uint32_t now, const Tempo* tempo) {
    const std::string barBeat = tempo != nullptr ? barBeatAt(*tempo, now) : "";
    return std::to_string(now) + (barBeat.empty() ? "" : " " + barBeat);
}

std::vector<uint32_t> warmUpTimes(const Show& show, uint32_t until) {
    std::vector<uint32_t> times;
    for (int32_t scene = 0; scene < show.sceneCount(); ++scene) {
        // The first clock value of the scene: one past the end of the one before.
        uint32_t start = scene == 0 ? 0 : show.sceneStart(scene) + 1;
        if (start < until) {
            times.push_back(start);
        }
    }
    return times;
}
