#include "tools/capture/VideoPlanes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

// BT.601 at limited range, in real numbers: what ffmpeg makes of an RGB frame.
std::array<double, 3> videoColour(double r, double g, double b) {
    const double y = 0.299 * r + 0.587 * g + 0.114 * b;
    return {16 + y * 219 / 255, 128 + (b - y) / 1.772 * 224 / 255,
            128 + (r - y) / 1.402 * 224 / 255};
}

// A 4x4 frame of four 2x2 blocks, given top first: red, green / blue, and a block of white and
// black pixels whose chroma is their mean. Each Y sample, U and V must lie within one step of
// the real-number colour: a swapped channel, a wrong matrix or range, rows not turned over or
// chroma not averaged all fail.
TEST(VideoPlanes, AreFfmpegsColoursUprightWithChromaAveraged) {
    using Rgb = std::array<int, 3>;
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255},
        black{0, 0, 0}, grey{200, 100, 50};
    // clang-format off
    const Rgb top[4][4] = {
        {red, red, green, green},
        {red, red, green, green},
        {blue, blue, white, black},
        {blue, blue, grey, white},
    };
    // clang-format on
    std::vector<uint8_t> bgra(4 * 4 * 4);
    for (int row = 0; row < 4; ++row) {
        for (int x = 0; x < 4; ++x) {
            uint8_t* p = &bgra[((3 - row) * 4 + x) * 4]; // the GL's rows run bottom first
            p[0] = static_cast<uint8_t>(top[row][x][2]);
            p[1] = static_cast<uint8_t>(top[row][x][1]);
            p[2] = static_cast<uint8_t>(top[row][x][0]);
            p[3] = 255;
        }
    }
    std::vector<uint8_t> planes(videoPlanesBytes(4, 4));
    ASSERT_EQ(planes.size(), 24u);
    videoPlanesFromReadBack(bgra.data(), 4, 4, planes.data());
    for (int row = 0; row < 4; ++row) {
        for (int x = 0; x < 4; ++x) {
            const Rgb& c = top[row][x];
            EXPECT_NEAR(planes[row * 4 + x], videoColour(c[0], c[1], c[2])[0], 1)
                << "Y at row " << row << ", column " << x;
        }
    }
    for (int block = 0; block < 4; ++block) {
        double mean[3] = {0, 0, 0};
        for (int k = 0; k < 4; ++k) {
            const Rgb& c = top[block / 2 * 2 + k / 2][block % 2 * 2 + k % 2];
            for (int i = 0; i < 3; ++i) {
                mean[i] += c[i] / 4.0;
            }
        }
        const std::array<double, 3> expected = videoColour(mean[0], mean[1], mean[2]);
        EXPECT_NEAR(planes[16 + block], expected[1], 1) << "U of block " << block;
        EXPECT_NEAR(planes[20 + block], expected[2], 1) << "V of block " << block;
    }
}

} // namespace
