// Lays out arbitrary text in an arbitrary box with arbitrary metrics: the first 24 bytes give the
// box and the metrics, the rest is the text. Checks that every glyph's cell size is the metrics'.
#include "text/core/TextLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t numbers[8] = {};
    const size_t header = std::min(size, sizeof numbers);
    std::memcpy(numbers, data, header);
    const TextBox box{numbers[0], numbers[1], numbers[2], numbers[3]};
    // Cells come from an atlas's size over 16, so they are at most 65535 / 16.
    const FontMetrics metrics{std::abs(numbers[4] % 4096), std::abs(numbers[5] % 4096), numbers[6],
                              numbers[7]};
    const std::string text(reinterpret_cast<const char*>(data) + header, size - header);
    layoutText(box, text, metrics, [&](const GlyphQuad& q) {
        if (static_cast<int64_t>(q.right) - q.left != metrics.cellWidth &&
            static_cast<int64_t>(q.left) + metrics.cellWidth <= INT32_MAX) {
            std::abort();
        }
    });
    return 0;
}
