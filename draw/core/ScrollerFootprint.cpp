#include "draw/core/ScrollerFootprint.h"

#include <algorithm>
#include <cmath>

float scrollerHalfWidthAt(float y) {
    // A point of the plane at depth d stands kScrollerNearY + rise * d / distance high, and is
    // seen at that over d: so at screen height y, d = kScrollerNearY / (y - rise / distance).
    const float distance = -kScrollerFarZ;
    const float rise = kScrollerFarY - kScrollerNearY;
    if (y > kScrollerFarY / distance) {
        return 0;
    }
    const float depth = kScrollerNearY / (y - rise / distance);
    return kScrollerHalfWidth / (kScrollerAspect * depth);
}

std::vector<PixelRect> scrollerFootprint(int width, int height) {
    constexpr int kBands = 8;
    constexpr int kSpare = 2;
    const float top = kScrollerFarY / -kScrollerFarZ;
    std::vector<PixelRect> rects;
    for (int band = 0; band < kBands; ++band) {
        const float low = -1.0f + (top + 1.0f) * band / kBands;
        const float high = -1.0f + (top + 1.0f) * (band + 1) / kBands;
        // The plane is widest at a band's bottom.
        const float half = std::min(1.0f, scrollerHalfWidthAt(low));
        const int x0 = std::max(0, static_cast<int>(std::floor((1 - half) * width / 2)) - kSpare);
        const int x1 =
            std::min(width, static_cast<int>(std::ceil((1 + half) * width / 2)) + kSpare);
        const int y0 = std::max(0, static_cast<int>(std::floor((low + 1) * height / 2)) - kSpare);
        const int y1 =
            std::min(height, static_cast<int>(std::ceil((high + 1) * height / 2)) + kSpare);
        rects.push_back({x0, y0, x1 - x0, y1 - y0});
    }
    return rects;
}
