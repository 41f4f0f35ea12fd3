#include "tools/assets/Canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Whether a pixel holds any light on a black canvas.
bool lit(const Canvas& c, int x, int y) {
    const Colour& p = c.at(x, y);
    return p.r > 0 || p.g > 0 || p.b > 0;
}

TEST(Canvas, StarsAndTheirGlowsStayAboveTheHorizon) {
    const struct {
        int width, height;
        float horizon;
    } cases[] = {{64, 64, 32}, {64, 64, 7.5f}, {96, 54, 40}, {40, 40, 40}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.horizon);
        Canvas c(k.width, k.height);
        c.stars(300, 1, 1.0f, k.horizon);
        int above = 0, below = 0;
        for (int y = 0; y < k.height; ++y) {
            for (int x = 0; x < k.width; ++x) {
                (static_cast<float>(y) < k.horizon ? above : below) += lit(c, x, y);
            }
        }
        EXPECT_GT(above, 0);
        EXPECT_EQ(below, 0);
    }
}

TEST(Canvas, ResamplingAveragesTheAreaEachPixelCovers) {
    // One row of greys, shrunk or kept: each output value is the mean of the span it covers.
    const struct {
        std::vector<float> in;
        std::vector<float> out;
    } cases[] = {
        {{0, 0, 1, 1}, {0, 0.5f, 1}},
        {{0, 1, 0, 1}, {0.5f, 0.5f}},
        {{0.25f, 0.75f, 1}, {0.25f, 0.75f, 1}},
        {{0, 0, 0, 1}, {0, 0, 0.75f}},
    };
    for (const auto& k : cases) {
        Canvas row(static_cast<int>(k.in.size()), 2);
        for (size_t x = 0; x < k.in.size(); ++x) {
            for (int y = 0; y < 2; ++y) {
                row.at(static_cast<int>(x), y) = {k.in[x], k.in[x], k.in[x], 1};
            }
        }
        const Canvas wide = row.resampled(static_cast<int>(k.out.size()), 2);
        const Canvas tall = row.resampled(static_cast<int>(k.in.size()), 1);
        for (size_t x = 0; x < k.out.size(); ++x) {
            SCOPED_TRACE(x);
            EXPECT_NEAR(wide.at(static_cast<int>(x), 1).g, k.out[x], 1e-5f);
            EXPECT_NEAR(wide.at(static_cast<int>(x), 0).a, 1.0f, 1e-5f);
        }
        for (size_t x = 0; x < k.in.size(); ++x) {
            EXPECT_NEAR(tall.at(static_cast<int>(x), 0).r, k.in[x], 1e-5f) << "two equal rows";
        }
    }
}

} // namespace
