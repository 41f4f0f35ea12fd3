#include "rules/DevOverlay.h"

#include <gtest/gtest.h>

namespace {

TEST(DevOverlay, NamesTheSceneTheImageAndTheClock) {
    const LayerDrawing colour{LayerKind::Colour};
    LayerDrawing picture{LayerKind::Picture};
    picture.image = 7;
    LayerDrawing later = picture;
    later.image = 9;
    LayerDrawing plane{LayerKind::Plane};
    plane.image = 5;
    // the drawing | the image named
    const std::vector<std::pair<SceneDrawing, int>> images = {
        {{}, -1},
        {{4}, 4},
        {{-1, false, 0.0f, -1, {colour, picture, later}}, 7}, // layers alone: the first picture
        {{2, false, 0.0f, -1, {picture}}, 2},                 // the scene's own image first
        {{-1, false, 0.0f, -1, {colour}}, -1},
        {{-1, false, 0.0f, -1, {colour, plane, picture}}, 5}, // a plane shows a picture too
    };
    for (const auto& [drawing, image] : images) {
        EXPECT_EQ(overlayImage(drawing), image);
    }
    const Tempo tempo{120.0, 0, 4};
    EXPECT_EQ(overlayLines(3, 2, "data/s1.tga", 12345, nullptr, false),
              (std::array<std::string, 2>{"scene 3 image 2 s1.tga", "12345 ms"}));
    EXPECT_EQ(overlayLines(0, -1, "", 0, nullptr, true),
              (std::array<std::string, 2>{"scene 0 image -", "0 ms paused"}));
    EXPECT_EQ(overlayLines(1, 0, "plain.tga", 5, nullptr, false)[0], "scene 1 image 0 plain.tga");
    EXPECT_EQ(overlayLines(1, 0, "plain.tga", 4500, &tempo, true)[1], "4500 ms 3:2 paused");
}

// The backdrop holds the longer line and both lines' height with a 4-pixel margin, for any
// spacing a font table gives.
TEST(DevOverlay, TheBackdropHoldsTheLinesWhateverTheSpacing) {
    const std::array<std::string, 2> lines = {"scene 1 image -", "12 ms"}; // 15 and 5 letters
    // advance, line height | width, height
    const std::vector<std::tuple<int64_t, int64_t, int, int>> cases = {
        {16, 20, 15 * 16 + 8, 2 * 20 + 8},
        {-100, -100, 0, 0}, // spacing that undoes the glyphs' size
        {int64_t{1} << 40, int64_t{1} << 40, 100000, 100000},
    };
    for (const auto& [advance, lineHeight, width, height] : cases) {
        EXPECT_EQ(overlayBackdrop(lines, advance, lineHeight), (std::array<int, 2>{width, height}))
            << advance;
    }
}

} // namespace
