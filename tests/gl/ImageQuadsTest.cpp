#include "GLTestSupport.h"

#include "draw/ImageQuads.h"
#include "draw/core/ScrollerFootprint.h"

using namespace afterglow;

namespace {

class ImageQuads : public GLTest {};

constexpr GLuint kText = 7; // the scroll text's texture, any name

TEST_F(ImageQuads, QuadsCoverTheirRectangleWithTheFirstRowAtTheBottom) {
    uploadTexture(1, 1, 2, {255, 0, 0, 0, 0, 255}); // red in its first stored row, blue above
    glClear(GL_COLOR_BUFFER_BIT);
    showImage(1);
    grab();
    EXPECT_TRUE(regionIs(0, 0, 64, 32, {0, 0, 255}));
    EXPECT_TRUE(regionIs(0, 32, 64, 64, {255, 0, 0}));
    glClear(GL_COLOR_BUFFER_BIT);
    showImageAt(1, 0.0f, 0.0f, 1.0f, 1.0f); // the top-right quarter
    grab();
    EXPECT_TRUE(regionIs(32, 0, 64, 16, {0, 0, 255}));
    EXPECT_TRUE(regionIs(32, 16, 64, 32, {255, 0, 0}));
    EXPECT_TRUE(regionIs(0, 0, 32, 64, {0, 0, 0}));
    EXPECT_TRUE(regionIs(32, 32, 64, 64, {0, 0, 0}));
}

class Scroller : public GLTest {
  protected:
    Scroller() : GLTest(400, 400) {}
    void SetUp() override {
        GLTest::SetUp();
        std::vector<uint8_t> white(4 * 4 * 3, 255);
        uploadTexture(kText, 4, 4, white);
    }
};

TEST_F(Scroller, FarEdgeLiesAt80PercentUpAndSpans0075EitherSideOfTheCentre) {
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    scrollerPlane(1.0f, kText);
    grab();
    // y = 0.8 in device coordinates is row 40 from the top; x = +-0.075 is 185 to 215.
    EXPECT_TRUE(regionIs(0, 0, 400, 39, {0, 0, 0}));
    EXPECT_TRUE(regionIs(188, 41, 212, 43, {255, 255, 255}));
    EXPECT_TRUE(regionIs(0, 41, 183, 43, {0, 0, 0}));
    EXPECT_TRUE(regionIs(218, 41, 400, 43, {0, 0, 0}));
    // The plane widens toward the viewer and runs out of the bottom of the screen.
    EXPECT_TRUE(regionIs(0, 399, 400, 400, {255, 255, 255}));
}

// The capture copies back only the footprint under the scroller: every pixel the plane lights
// lies in it, at any size, and it leaves out much of the screen.
TEST(ScrollerFootprint, HoldsEveryPixelThePlaneLightsAndLittleMore) {
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{
             {160, 90}, {333, 127}, {400, 400}, {1280, 720}, {3840, 2160}}) {
        HeadlessContext context(width, height);
        ASSERT_TRUE(context.ok()) << context.error();
        uploadTexture(kText, 1, 1, {255, 255, 255});
        glEnable(GL_TEXTURE_2D);
        glClear(GL_COLOR_BUFFER_BIT);
        scrollerPlane(1.0f, kText);
        const std::vector<uint8_t> pixels = context.readPixels();
        std::vector<bool> inside(pixels.size() / 3, false);
        for (const PixelRect& r : scrollerFootprint(width, height)) {
            for (int y = r.y; y < r.y + r.height; ++y) {
                for (int x = r.x; x < r.x + r.width; ++x) {
                    inside[static_cast<size_t>(height - 1 - y) * width + x] = true;
                }
            }
        }
        size_t lit = 0, held = 0, outside = 0;
        for (size_t i = 0; i < inside.size(); ++i) {
            lit += pixels[i * 3] > 0;
            held += inside[i];
            outside += pixels[i * 3] > 0 && !inside[i];
        }
        EXPECT_EQ(outside, 0u) << width << "x" << height;
        EXPECT_GT(lit, inside.size() / 2) << width << "x" << height;
        EXPECT_LT(held, lit * 6 / 5) << width << "x" << height;
    }
}

TEST_F(Scroller, TextRowsRiseAwayFromTheViewerAndClampAtTheirEnds) {
    // First stored row red, second blue: at position 1 the red row sits at the near edge.
    uploadTexture(kText, 1, 2, {255, 0, 0, 0, 0, 255});
    glEnable(GL_TEXTURE_2D);
    glClear(GL_COLOR_BUFFER_BIT);
    scrollerPlane(1.0f, kText);
    grab();
    EXPECT_TRUE(regionIs(150, 390, 250, 400, {0, 0, 255})) << "row p - 0.053 at the bottom";
    EXPECT_TRUE(regionIs(195, 42, 205, 44, {255, 0, 0}));
    // At position 0 every point samples the clamped first row: only red.
    glClear(GL_COLOR_BUFFER_BIT);
    scrollerPlane(0.0f, kText);
    grab();
    EXPECT_TRUE(regionIs(195, 42, 205, 44, {255, 0, 0}));
    EXPECT_TRUE(regionIs(150, 390, 250, 400, {255, 0, 0}));
    EXPECT_EQ(glInteger(GL_MATRIX_MODE), GL_MODELVIEW);
}

} // namespace
