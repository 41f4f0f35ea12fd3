#include "rules/Timeline.h"

#include <algorithm>

// Whole milliseconds compare as the built-in rules' single-precision quotients do: those come to
// the same as the integer forms for every elapsed value. Only the scroll position keeps the
// quotient, since it is drawn, not compared.
SceneDrawing timelineDrawing(const Timeline& timeline, int32_t scene, uint32_t elapsed) {
    if (scene < 0 || static_cast<size_t>(scene) >= timeline.scenes.size()) {
        return {};
    }
    const TimelineScene& rules = timeline.scenes[static_cast<size_t>(scene)];
    SceneDrawing drawing{rules.image};
    for (const ImageChange& change : rules.changes) {
        if (change.inclusive ? elapsed <= change.time : elapsed < change.time) {
            break;
        }
        drawing.image = change.image;
    }
    if (rules.flipBook) {
        uint32_t k = elapsed / rules.flipBook->pace;
        drawing.image =
            k < rules.flipBook->frames.size() ? rules.flipBook->frames[k] : rules.flipBook->after;
    }
    if (rules.scroller) {
        drawing.scroller = true;
        drawing.scrollPosition = elapsedQuotient(elapsed, rules.scroller->pace);
        drawing.text = rules.scroller->text;
    }
    const uint32_t start = scene == 0 ? 0 : timeline.scenes[static_cast<size_t>(scene) - 1].end;
    const uint32_t clock = start + elapsed;
    for (const Layer& layer : rules.layers) {
        LayerDrawing& drawn = drawing.layers.emplace_back(layer.at(elapsed));
        if (layer.kind == LayerKind::Plane) {
            drawn.camera = rules.camera.at(elapsed);
        }
        if (layer.kind == LayerKind::Shader) {
            drawn.clockSeconds = static_cast<float>(clock / 1000.0);
            drawn.sceneSeconds = static_cast<float>(elapsed / 1000.0);
            drawn.beat =
                timeline.tempo
                    ? static_cast<float>((static_cast<double>(clock) - timeline.tempo->offset) *
                                         timeline.tempo->bpm / 60000.0)
                    : 0.0f;
        }
    }
    return drawing;
}

bool writesText(const Timeline& timeline) {
    for (const TimelineScene& scene : timeline.scenes) {
        for (const Layer& layer : scene.layers) {
            if (layer.kind == LayerKind::Text) {
                return true;
            }
        }
    }
    return false;
}

bool bindFonts(Timeline& timeline, const std::vector<std::string>& fontNames,
               const std::string& noFonts, std::string& error) {
    std::string names;
    for (const std::string& name : fontNames) {
        names += (names.empty() ? "" : ", ") + name;
    }
    for (TimelineScene& scene : timeline.scenes) {
        for (Layer& layer : scene.layers) {
            if (layer.kind != LayerKind::Text) {
                continue;
            }
            if (fontNames.empty()) {
                error = layer.fontPlace + ": " + noFonts;
                return false;
            }
            if (!layer.fontName.empty()) {
                auto found = std::find(fontNames.begin(), fontNames.end(), layer.fontName);
                layer.font =
                    found == fontNames.end() ? -1 : static_cast<int>(found - fontNames.begin());
            }
            if (layer.font < 0 || static_cast<size_t>(layer.font) >= fontNames.size()) {
                error = layer.fontPlace + ": expected 'font' to be a font number from 0 to " +
                        std::to_string(fontNames.size() - 1) + " or one of the names " + names;
                return false;
            }
            layer.fontName.clear();
        }
    }
    return true;
}
