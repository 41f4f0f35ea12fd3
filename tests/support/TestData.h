// Test data built by a rule rather than written out: repeated pieces and images.
#pragma once

#include "tools/common/TGAWriter.h"

#include <array>
#include <cstddef>
#include <functional>

// count copies of piece, end to end: bytes or text.
template <typename Sequence> Sequence repeat(const Sequence& piece, size_t count) {
    Sequence out;
    for (size_t i = 0; i < count; ++i) {
        out.insert(out.end(), piece.begin(), piece.end());
    }
    return out;
}

// An image of 3 or 4 bytes a pixel whose pixel (x, y), rows in stored order, is colour(x, y) as
// R, G, B, A (A dropped at 3 bytes).
inline TGAImage makeImage(int width, int height, int bytesPerPixel,
                          const std::function<std::array<int, 4>(int x, int y)>& colour) {
    TGAImage image{width, height, bytesPerPixel, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::array<int, 4> c = colour(x, y);
            for (int i = 0; i < bytesPerPixel; ++i) {
                image.pixels.push_back(static_cast<uint8_t>(c[i]));
            }
        }
    }
    return image;
}
