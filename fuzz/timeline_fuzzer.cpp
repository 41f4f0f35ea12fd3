// Feeds arbitrary bytes to the timeline reader, and asks a timeline it accepts what each scene
// draws at its edges. A report that is not one line is a finding too.
#include "app/core/TimelineFile.h"

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
    for (size_t s = 0; s < timeline.scenes.size(); ++s) {
        for (uint32_t elapsed : {0u, timeline.scenes[s].end, UINT32_MAX}) {
            SceneDrawing drawing = timelineDrawing(timeline, static_cast<int32_t>(s), elapsed);
            if (drawing.image >= static_cast<int>(timeline.images.size())) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
