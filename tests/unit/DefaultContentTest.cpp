#include "resources/core/TGALoader.h"
#include "rules/ImageList.h"
#include "text/core/LookupTableLoader.h"

#include <gtest/gtest.h>

#include <memory>

using namespace afterglow;

namespace {

// Decodes a generated file.
DecodedImage load(const std::string& name) {
    const std::string path = std::string(INTRO_DATA_DIR) + "/" + name;
    DecodedImage image;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(readTGAFile(path, kLargestTextureSide, image)) << name;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    return image;
}

// Whether alpha varies: neither all opaque nor all clear.
bool hasMeaningfulAlpha(const DecodedImage& t) {
    bool opaque = false, clear = false, partial = false;
    for (size_t i = 3; t.pixels && i < size_t{t.width} * t.height * 4; i += 4) {
        opaque |= t.pixels[i] == 255, clear |= t.pixels[i] == 0;
        partial |= t.pixels[i] > 0 && t.pixels[i] < 255;
    }
    return partial && (opaque || clear);
}

TEST(DefaultContent, EveryImageLoadsWithThePromisedSizesAndKinds) {
    int alphas = 0;
    for (int n = 0; n < kImageCount; ++n) {
        SCOPED_TRACE(ImageList[n]);
        DecodedImage image = load(ImageList[n].substr(5)); // past "data/"
        // Full-screen pictures are 16:9, the common screen's shape; the scroll text is not one.
        EXPECT_EQ(image.width, n == 4 ? 512u : 768u);
        EXPECT_EQ(image.height, n == 4 ? 1024u : 432u);
        alphas += image.bpp == 32 && hasMeaningfulAlpha(image);
    }
    EXPECT_GE(alphas, 4);
}

TEST(DefaultContent, TheFontTableNamesAtlasesOf256SquareWithInkOnlyInTheirCells) {
    std::unique_ptr<LookupTable> table(loadLookupTable(INTRO_DATA_DIR "/fonts.data"));
    ASSERT_GE(table->recordCount(), 2);
    for (int32_t f = 0; f < table->recordCount(); ++f) {
        const std::string mapfile = table->getString(f, "mapfile");
        SCOPED_TRACE(mapfile);
        EXPECT_NE(table->getString(f, "xspace"), "");
        EXPECT_NE(table->getString(f, "yspace"), "");
        ASSERT_EQ(mapfile.rfind("data/", 0), 0u);
        DecodedImage atlas = load(mapfile.substr(5));
        ASSERT_EQ(std::tie(atlas.width, atlas.height, atlas.bpp), std::make_tuple(256u, 256u, 32u));
        // Every printable glyph, plain and highlighted, has ink inside a clear edge of its own
        // cell, so that a filtered print shows the whole glyph and nothing of its neighbours.
        for (int code = 32; code < 127; ++code) {
            for (int row : {code / 16 - 2, code / 16 + 6}) {
                int ink = 0, edge = 0;
                for (int y = 0; y < 16; ++y) {
                    for (int x = 0; x < 16; ++x) {
                        const uint8_t a =
                            atlas.pixels[((row * 16 + y) * 256 + (code % 16) * 16 + x) * 4 + 3];
                        ink += a > 0;
                        edge += a > 0 && (x == 0 || y == 0 || x == 15 || y == 15);
                    }
                }
                EXPECT_EQ(edge, 0) << "code " << code << ", row " << row;
                EXPECT_EQ(ink > 0, code != 32) << "code " << code << ", row " << row;
            }
        }
    }
}

} // namespace
