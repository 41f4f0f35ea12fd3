#include "tools/capture/VideoPlanes.h"

// The sums stay within 16 bits (the coefficients are the usual 8-bit ones, within one step of
// ffmpeg's own), so that the loops vectorize eight or sixteen pixels wide; CMake builds this file
// at -O3 for that.
namespace {
inline uint8_t luma(const uint8_t* bgra) {
    const auto sum = static_cast<uint16_t>(66 * bgra[2] + 129 * bgra[1] + 25 * bgra[0] + 128);
    return static_cast<uint8_t>((sum >> 8) + 16);
}
inline uint8_t chroma(int16_t red, int16_t green, int16_t blue, int16_t r, int16_t g, int16_t b) {
    const auto sum = static_cast<int16_t>(r * red + g * green + b * blue + 128);
    return static_cast<uint8_t>((sum >> 8) + 128);
}
// The mean of one channel over a 2x2 block, of pixels a and a + 4 in two rows.
inline int16_t mean(const uint8_t* a, const uint8_t* b) {
    return static_cast<int16_t>((a[0] + a[4] + b[0] + b[4] + 2) >> 2);
}
} // namespace

void videoPlanesFromReadBack(const uint8_t* bgra, int width, int height, uint8_t* planes) {
    const size_t stride = static_cast<size_t>(width) * 4;
    const int half = width / 2;
    uint8_t* yPlane = planes;
    uint8_t* uPlane = planes + static_cast<size_t>(width) * height;
    uint8_t* vPlane = uPlane + static_cast<size_t>(half) * (height / 2);
    for (int row = 0; row < height; row += 2) {
        // The GL's rows run bottom first: video row `row` is read-back row height - 1 - row.
        const uint8_t* top = bgra + (height - 1 - row) * stride;
        const uint8_t* below = top - stride;
        uint8_t* yTop = yPlane + static_cast<size_t>(row) * width;
        uint8_t* yBelow = yTop + width;
        for (int x = 0; x < width; ++x) {
            yTop[x] = luma(top + 4 * x);
        }
        for (int x = 0; x < width; ++x) {
            yBelow[x] = luma(below + 4 * x);
        }
        uint8_t* u = uPlane + static_cast<size_t>(row / 2) * half;
        uint8_t* v = vPlane + static_cast<size_t>(row / 2) * half;
        for (int x = 0; x < half; ++x) {
            const uint8_t* a = top + 8 * x;
            const uint8_t* b = below + 8 * x;
            const int16_t blue = mean(a, b), green = mean(a + 1, b + 1), red = mean(a + 2, b + 2);
            u[x] = chroma(red, green, blue, -38, -74, 112);
            v[x] = chroma(red, green, blue, 112, -94, -18);
        }
    }
}
