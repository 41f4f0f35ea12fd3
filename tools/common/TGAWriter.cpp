#include "tools/common/TGAWriter.h"

#include <cstring>

namespace {
void appendPixel(std::vector<uint8_t>& out, const uint8_t* pixel, int n) {
    out.push_back(pixel[2]);
    out.push_back(pixel[1]);
    out.push_back(pixel[0]);
    if (n == 4) {
        out.push_back(pixel[3]);
    }
}
} // namespace

std::vector<uint8_t> encodeTGA(const TGAImage& image, bool runLength) {
    const int n = image.bytesPerPixel;
    std::vector<uint8_t> out = {0, 0, static_cast<uint8_t>(runLength ? 10 : 2), 0, 0, 0, 0, 0, 0, 0,
                                0, 0};
    out.push_back(static_cast<uint8_t>(image.width & 0xFF));
    out.push_back(static_cast<uint8_t>(image.width >> 8));
    out.push_back(static_cast<uint8_t>(image.height & 0xFF));
    out.push_back(static_cast<uint8_t>(image.height >> 8));
    out.push_back(static_cast<uint8_t>(n * 8));
    out.push_back(image.topFirst ? 0x20 : 0);

    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    const uint8_t* pixels = image.pixels.data();
    auto same = [&](size_t a, size_t b) {
        return std::memcmp(pixels + a * n, pixels + b * n, n) == 0;
    };
    size_t i = 0;
    while (i < count) {
        if (!runLength) {
            appendPixel(out, pixels + i * n, n);
            ++i;
            continue;
        }
        // A run of two or more equal pixels becomes a run packet; otherwise gather a raw packet
        // up to the next run.
        size_t run = 1;
        while (i + run < count && run < 128 && same(i, i + run)) {
            ++run;
        }
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(127 + run));
            appendPixel(out, pixels + i * n, n);
            i += run;
            continue;
        }
        size_t raw = 1;
        while (i + raw < count && raw < 128 &&
               !(i + raw + 1 < count && same(i + raw, i + raw + 1))) {
            ++raw;
        }
        out.push_back(static_cast<uint8_t>(raw - 1));
        for (size_t k = 0; k < raw; ++k) {
            appendPixel(out, pixels + (i + k) * n, n);
        }
        i += raw;
    }
    return out;
}
