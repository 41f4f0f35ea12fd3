// Feeds arbitrary bytes to the timeline reader, looks its text layers' fonts up in a table of two,
// and asks a timeline it accepts what each scene draws at its edges and between: a layer's value
// that is not finite, or out of its bounds, is a finding. A report that is not one line is one
// too.
#include "rules/TimelineFile.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Timeline timeline;
    std::string error;
    if (!parseTimeline(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz",
                       timeline, error)) {
        if (error.empty() || error.find('\n') != std::string::npos) {
            __builtin_trap();
        }
        return 0;
    }
    if (!bindFonts(timeline, {"a", "b"}, "no fonts", error) &&
        (error.empty() || error.find('\n') != std::string::npos)) {
        __builtin_trap();
    }
    for (size_t s = 0; s < timeline.scenes.size(); ++s) {
        for (uint32_t elapsed : {0u, 1u, 777u, timeline.scenes[s].end, UINT32_MAX}) {
            SceneDrawing drawing = timelineDrawing(timeline, static_cast<int32_t>(s), elapsed);
            if (drawing.image >= static_cast<int>(timeline.images.size())) {
                __builtin_trap();
            }
            for (const LayerDrawing& layer : drawing.layers) {
                if (!(layer.alpha >= 0 && layer.alpha <= 1) || !(layer.size > 0) ||
                    !(std::abs(layer.box[0]) <= 16 && std::abs(layer.box[1]) <= 16 &&
                      layer.box[2] >= 0 && layer.box[2] <= 16 && layer.box[3] >= 0 &&
                      layer.box[3] <= 16) ||
                    layer.image >= static_cast<int>(timeline.images.size())) {
                    __builtin_trap();
                }
            }
        }
    }
    return 0;
}
