/// @file
/// TGAWriter: encodes pixels as a TGA file of type 2 (raw) or type 10 (run-length), the two kinds
/// the intro reads. Used by the content generator, the tests and the benchmarks.
#pragma once

#include <cstdint>
#include <vector>

struct TGAImage {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 3; // 3 (R, G, B) or 4 (R, G, B, A)
    /// Rows in the order they go into the file: the first row is read into texture row t = 0.
    std::vector<uint8_t> pixels;
    /// Whether the first row is the picture's top. Only the header's origin flag says so: the
    /// intro reads rows in file order whatever the flag, and picture editors turn by it.
    bool topFirst = false;
};

/// The whole file: 18-byte header (ID length 0, no colour map, zero origin, descriptor 0x20 when
/// the first row is the top, else 0: the bottom-left origin), then
/// the pixels as B, G, R (, A), raw or packed into run-length and raw packets.
std::vector<uint8_t> encodeTGA(const TGAImage& image, bool runLength);
