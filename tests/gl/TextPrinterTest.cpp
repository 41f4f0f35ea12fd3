#include "GLTestSupport.h"
#include "TestData.h"
#include "TestFiles.h"

#include "resources/TextureLibrary.h"
#include "text/FontSet.h"
#include "text/TextPrinter.h"
#include "tools/common/TGAWriter.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

using namespace afterglow;

namespace {

// The colour that fills atlas cell (row, column) of font f: a picture of where texels come from.
RGB cellColour(int f, int row, int column) {
    return {row * 16, column * 16, f == 0 ? 200 : 100};
}

// Stored top row first: cell row 0 is the first 16 rows.
std::vector<uint8_t> atlasFile(int f) {
    auto colour = [f](int x, int y) {
        const RGB c = cellColour(f, y / 16, x / 16);
        return std::array{c[0], c[1], c[2], 255};
    };
    return encodeTGA(makeImage(256, 256, 4, colour), true);
}

// A 320 x 200 frame, so one overlay unit is one pixel, over a scratch folder holding data/ with
// two fonts (the second spaced 2 units wider) and the font table naming them.
class TextPrinter : public GLTest {
  protected:
    TextPrinter() : GLTest(320, 200) {}
    void SetUp() override {
        GLTest::SetUp();
        std::filesystem::create_directories(scratchPath("data"));
        writeScratchFile("data/zero.tga", atlasFile(0));
        writeScratchFile("data/one.tga", atlasFile(1));
        writeScratchFile("data/fonts.data",
                         "mapfile xspace yspace\ndata/zero.tga 0 0\ndata/one.tga 2 0\n");
        std::filesystem::current_path(scratchPath(""));
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        fonts.emplace(textures, DataFolder());
        currentFonts.emplace(*fonts);
    }
    TextureLibrary textures;
    CurrentTextureLibrary currentTextures{textures};
    std::optional<FontSet> fonts;
    std::optional<CurrentFontSet> currentFonts;

    // The glyph at (x, y) shows its cell's colour, 2 pixels in from its edges.
    testing::AssertionResult glyphAt(int x, int y, RGB colour) const {
        return regionIs(x + 2, y + 2, x + 14, y + 14, colour);
    }
};

TEST_F(TextPrinter, PrintPutsEachCellsTexelsAtItsPlace) {
    printText(10, 20, 100, 50, "A<b", 0);
    grab();
    EXPECT_TRUE(glyphAt(10, 20, cellColour(0, 2, 1)));  // "A": code 65, row 2, column 1
    EXPECT_TRUE(glyphAt(26, 20, cellColour(0, 12, 2))); // "b" highlighted: code 98, row 6 + 6
    EXPECT_TRUE(regionIs(0, 0, 320, 19, {0, 0, 0}));
    EXPECT_TRUE(regionIs(42, 20, 320, 36, {0, 0, 0})) << "the marker takes no room";
}

TEST_F(TextPrinter, TheCallsFontGivesAtlasAndSpacingAndTheCurrentFontStays) {
    EXPECT_EQ(fontCount(), 2);
    EXPECT_EQ(currentFont(), 0) << "a new font set starts at font 0";
    printText(0, 0, 320, 200, "AB", 1);
    grab();
    EXPECT_TRUE(glyphAt(0, 0, cellColour(1, 2, 1)));
    EXPECT_TRUE(glyphAt(18, 0, cellColour(1, 2, 2))) << "xspace 2 of font 1";
    EXPECT_EQ(currentFont(), 0);
    setCurrentFont(1);
    printText(0, 100, 320, 100, "A", 0);
    EXPECT_EQ(currentFont(), 1);
}

TEST_F(TextPrinter, AFontOutsideTheListThrowsWithTheStacksBalancedAndTheFontRestored) {
    for (int font : {2, -1}) {
        SCOPED_TRACE(font);
        setCurrentFont(1);
        EXPECT_THROW(printText(0, 0, 320, 200, "A", font), std::out_of_range);
        EXPECT_EQ(currentFont(), 1);
        EXPECT_EQ(glInteger(GL_PROJECTION_STACK_DEPTH), 1);
        EXPECT_EQ(glInteger(GL_MODELVIEW_STACK_DEPTH), 1);
        EXPECT_EQ(glInteger(GL_ATTRIB_STACK_DEPTH), 0);
        EXPECT_EQ(glInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    }
    grab();
    EXPECT_TRUE(regionIs(0, 0, 320, 200, {0, 0, 0})) << "nothing drawn";
}

} // namespace
