#include "GLTestSupport.h"

#include "draw/ImageQuads.h"

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
