#include "app/core/Layer.h"
#include "draw/core/PicturePlace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Values between keys, before the first and after the last, for each interpolation; the
// interpolation of a key leads to the next one.
TEST(Track, EachInterpolationLeadsFromItsKeyToTheNext) {
    auto track = [](Interpolation how) {
        return Track{{{1000, 2.0, how}, {2000, 6.0, Interpolation::Step}, {3000, 0.0, how}}};
    };
    struct Case {
        Interpolation how;
        uint32_t at;
        double value;
    };
    const std::vector<Case> cases = {
        {Interpolation::Linear, 0, 2.0},    {Interpolation::Linear, 1000, 2.0},
        {Interpolation::Linear, 1250, 3.0}, {Interpolation::Linear, 1999, 5.996},
        {Interpolation::Linear, 2000, 6.0}, {Interpolation::Linear, 2500, 6.0},
        {Interpolation::Linear, 3000, 0.0}, {Interpolation::Linear, UINT32_MAX, 0.0},
        {Interpolation::Step, 1999, 2.0},   {Interpolation::Smooth, 1250, 2.625},
        {Interpolation::Smooth, 1500, 4.0}, {Interpolation::Smooth, 1750, 5.375},
        {Interpolation::Ramp, 1250, 2.25},  {Interpolation::Ramp, 1500, 3.0},
        {Interpolation::Ramp, 1750, 4.25},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(track(c.how).at(c.at), c.value, 1e-9)
            << "interpolation " << static_cast<int>(c.how) << " at " << c.at;
    }
    EXPECT_EQ(Track::of(0.5).at(12345), 0.5);
}

// Where a 2:1 picture goes in a box, and which of it shows, on a 4:3 screen and a square one.
TEST(PicturePlace, ContainShowsAllCoverFillsStretchFollowsTheBox) {
    struct Case {
        Rect box;
        Fit fit;
        float picture, screen;
        PicturePlace expected;
    };
    const Rect whole{0, 0, 1, 1};
    const std::vector<Case> cases = {
        {whole, Fit::Stretch, 2.0f, 4.0f / 3, {whole, whole}},
        // a wider picture: bands above and below, or its sides cut off
        {whole, Fit::Contain, 2.0f, 1.0f, {{0, 0.25f, 1, 0.5f}, whole}},
        {whole, Fit::Cover, 2.0f, 1.0f, {whole, {0.25f, 0, 0.5f, 1}}},
        // a taller one: bands beside it, or its top and bottom cut off
        {{0.5f, 0.5f, 0.5f, 0.5f}, Fit::Contain, 0.5f, 1.0f, {{0.625f, 0.5f, 0.25f, 0.5f}, whole}},
        {{0.5f, 0.5f, 0.5f, 0.5f},
         Fit::Cover,
         0.5f,
         1.0f,
         {{0.5f, 0.5f, 0.5f, 0.5f}, {0, 0.25f, 1, 0.5f}}},
        // the box's shape counts, not only the screen's: 4:3 screen, box half as tall as wide
        {{0, 0, 1, 0.5f}, Fit::Contain, 2.0f, 4.0f / 3, {{0.125f, 0, 0.75f, 0.5f}, whole}},
        // an empty box or picture is stretched, never divided by
        {{0, 0, 1, 0}, Fit::Contain, 2.0f, 1.0f, {{0, 0, 1, 0}, whole}},
        {whole, Fit::Cover, 0.0f, 1.0f, {whole, whole}},
    };
    for (const Case& c : cases) {
        const PicturePlace place = placePicture(c.box, c.fit, c.picture, c.screen);
        const float got[8] = {place.screen.x,      place.screen.y,      place.screen.width,
                              place.screen.height, place.picture.x,     place.picture.y,
                              place.picture.width, place.picture.height};
        const PicturePlace& e = c.expected;
        const float want[8] = {e.screen.x,  e.screen.y,  e.screen.width,  e.screen.height,
                               e.picture.x, e.picture.y, e.picture.width, e.picture.height};
        for (int n = 0; n < 8; ++n) {
            EXPECT_NEAR(got[n], want[n], 1e-6)
                << "fit " << static_cast<int>(c.fit) << " picture " << c.picture << ", value " << n;
        }
    }
}

} // namespace
