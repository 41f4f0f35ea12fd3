#include "rules/Layer.h"
#include "draw/core/PicturePlace.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

using namespace afterglow;

namespace {

// Values between keys, before the first and after the last, for each interpolation; the
// interpolation of a key leads to the next one.
TEST(Track, EachInterpolationLeadsFromItsKeyToTheNext) {
    using I = Interpolation;
    auto track = [](Interpolation how) {
        return Track{{{1000, 2.0, how}, {2000, 6.0, I::Step}, {3000, 0.0, how}}};
    };
    // clang-format off
    const std::vector<std::tuple<Interpolation, uint32_t, double>> cases = {
        {I::Linear, 0, 2.0}, {I::Linear, 1000, 2.0}, {I::Linear, 1250, 3.0}, {I::Linear, 1999, 5.996},
        {I::Linear, 2000, 6.0}, {I::Linear, 2500, 6.0}, {I::Linear, 3000, 0.0}, {I::Linear, UINT32_MAX, 0.0},
        {I::Step, 1999, 2.0}, {I::Smooth, 1250, 2.625}, {I::Smooth, 1500, 4.0}, {I::Smooth, 1750, 5.375},
        {I::Ramp, 1250, 2.25}, {I::Ramp, 1500, 3.0}, {I::Ramp, 1750, 4.25},
    };
    // clang-format on
    for (const auto& [how, at, value] : cases) {
        EXPECT_NEAR(track(how).at(at), value, 1e-9)
            << "interpolation " << static_cast<int>(how) << " at " << at;
    }
}

// Where a 2:1 picture goes in a box (x, y, w, h), and which of it shows, on a 4:3 screen and a
// square one: its place on the screen, then the part of it drawn there.
TEST(PicturePlace, ContainShowsAllCoverFillsStretchFollowsTheBox) {
    const Rect whole{0, 0, 1, 1}, corner{0.5f, 0.5f, 0.5f, 0.5f};
    // clang-format off
    const std::vector<std::tuple<Rect, Fit, float, float, std::array<float, 8>>> cases = {
        {whole, Fit::Stretch, 2.0f, 4.0f / 3, {0, 0, 1, 1, 0, 0, 1, 1}},
        // a wider picture: bands above and below, or its sides cut off
        {whole, Fit::Contain, 2.0f, 1.0f, {0, 0.25f, 1, 0.5f, 0, 0, 1, 1}},
        {whole, Fit::Cover, 2.0f, 1.0f, {0, 0, 1, 1, 0.25f, 0, 0.5f, 1}},
        // a taller one: bands beside it, or its top and bottom cut off
        {corner, Fit::Contain, 0.5f, 1.0f, {0.625f, 0.5f, 0.25f, 0.5f, 0, 0, 1, 1}},
        {corner, Fit::Cover, 0.5f, 1.0f, {0.5f, 0.5f, 0.5f, 0.5f, 0, 0.25f, 1, 0.5f}},
        // the box's shape counts, not only the screen's: 4:3 screen, box half as tall as wide
        {{0, 0, 1, 0.5f}, Fit::Contain, 2.0f, 4.0f / 3, {0.125f, 0, 0.75f, 0.5f, 0, 0, 1, 1}},
        // an empty box or picture is stretched, never divided by
        {{0, 0, 1, 0}, Fit::Contain, 2.0f, 1.0f, {0, 0, 1, 0, 0, 0, 1, 1}},
        {whole, Fit::Cover, 0.0f, 1.0f, {0, 0, 1, 1, 0, 0, 1, 1}},
    };
    // clang-format on
    for (const auto& [box, fit, picture, screen, expected] : cases) {
        const PicturePlace p = placePicture(box, fit, picture, screen);
        const std::array<float, 8> got = {p.screen.x,      p.screen.y,      p.screen.width,
                                          p.screen.height, p.picture.x,     p.picture.y,
                                          p.picture.width, p.picture.height};
        for (size_t n = 0; n < got.size(); ++n) {
            EXPECT_NEAR(got[n], expected[n], 1e-6)
                << "fit " << static_cast<int>(fit) << " picture " << picture << ", value " << n;
        }
    }
}

} // namespace
