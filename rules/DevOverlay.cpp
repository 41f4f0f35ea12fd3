#include "rules/DevOverlay.h"

#include <algorithm>

int overlayImage(const SceneDrawing& drawing) {
    int shown = drawing.image;
    for (const LayerDrawing& layer : drawing.layers) {
        shown = shown < 0 && (layer.kind == LayerKind::Picture || layer.kind == LayerKind::Plane)
                    ? layer.image
                    : shown;
    }
    return shown;
}

std::array<std::string, 2> overlayLines(int scene, int image, const std::string& file,
                                        uint32_t time, const Tempo* tempo, bool paused) {
    const std::string barBeat = tempo != nullptr ? barBeatAt(*tempo, time) : "";
    const std::string shown = image < 0
                                  ? std::string("-")
                                  : std::to_string(image) + " " + file.substr(file.rfind('/') + 1);
    return {"scene " + std::to_string(scene) + " image " + shown,
            std::to_string(time) + " ms" + (barBeat.empty() ? "" : " " + barBeat) +
                (paused ? " paused" : "")};
}

std::array<int, 2> overlayBackdrop(const std::array<std::string, 2>& lines, int64_t advance,
                                   int64_t lineHeight) {
    const auto longest = static_cast<int64_t>(std::max(lines[0].size(), lines[1].size()));
    return {static_cast<int>(std::clamp<int64_t>(longest * advance + 8, 0, 100000)),
            static_cast<int>(std::clamp<int64_t>(2 * lineHeight + 8, 0, 100000))};
}
