#include "app/ImageList.h"
#include "resources/MP3Probe.h"
#include "resources/TGALoader.h"
#include "text/LookupTableLoader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

struct Loaded {
    std::unique_ptr<Texture> texture;
    std::string report;
    bool runlength = false;
};

Loaded load(const std::string& name) {
    std::string path = std::string(INTRO_DATA_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    char header[3] = {};
    in.read(header, 3);
    testing::internal::CaptureStderr();
    Texture* texture = loadTGAFile(path, Texture::GLName::None);
    return {std::unique_ptr<Texture>(texture), testing::internal::GetCapturedStderr(),
            header[2] == 10};
}

// Whether alpha varies: neither all opaque nor all clear.
bool hasMeaningfulAlpha(const Texture& t) {
    bool opaque = false, clear = false, partial = false;
    for (size_t i = 3; i < size_t{t.m_width} * t.m_height * 4; i += 4) {
        uint8_t a = t.m_imagedata[i];
        opaque |= a == 255, clear |= a == 0, partial |= a > 0 && a < 255;
    }
    return partial && (opaque || clear);
}

TEST(DefaultContent, EveryImageLoadsWithThePromisedSizesAndKinds) {
    int runlength = 0, alpha = 0;
    for (int n = 0; n < kImageCount; ++n) {
        SCOPED_TRACE(ImageList[n]);
        Loaded image = load(ImageList[n].substr(5)); // past "data/"
        ASSERT_NE(image.texture, nullptr) << image.report;
        EXPECT_EQ(image.report, "");
        const bool scrolltext = n == 4;
        EXPECT_EQ(image.texture->m_width, 512u);
        EXPECT_EQ(image.texture->m_height, scrolltext ? 1024u : 512u);
        runlength += image.runlength;
        if (image.texture->m_bpp == 32) {
            EXPECT_TRUE(hasMeaningfulAlpha(*image.texture));
            ++alpha;
        }
    }
    EXPECT_GE(runlength, 6);
    EXPECT_GE(alpha, 4);
    EXPECT_LT(runlength, kImageCount) << "both kinds are used";
}

TEST(DefaultContent, FontAtlasesAre256SquareWithClearCellBackgrounds) {
    for (const char* name : {"font_sans.tga", "font_mono.tga"}) {
        SCOPED_TRACE(name);
        Loaded atlas = load(name);
        ASSERT_NE(atlas.texture, nullptr) << atlas.report;
        EXPECT_EQ(atlas.texture->m_width, 256u);
        EXPECT_EQ(atlas.texture->m_height, 256u);
        EXPECT_EQ(atlas.texture->m_bpp, 32u);
        EXPECT_TRUE(hasMeaningfulAlpha(*atlas.texture));
        // "A" (65) sits in cell row 2, column 1, and again highlighted in row 10: ink in both.
        auto inkIn = [&](int row, int column) {
            int ink = 0;
            for (int y = row * 16; y < row * 16 + 16; ++y) {
                for (int x = column * 16; x < column * 16 + 16; ++x) {
                    ink += atlas.texture->m_imagedata[(static_cast<size_t>(y) * 256 + x) * 4 + 3] >
                           128;
                }
            }
            return ink;
        };
        EXPECT_GT(inkIn(2, 1), 10);
        EXPECT_GT(inkIn(10, 1), 10);
        EXPECT_EQ(inkIn(0, 0), 0) << "space is never drawn";
        EXPECT_EQ(inkIn(15, 3), 0);
    }
}

TEST(DefaultContent, TheFontTableNamesEachAtlasWithItsSpacing) {
    testing::internal::CaptureStderr();
    std::unique_ptr<LookupTable> table(loadLookupTable(INTRO_DATA_DIR "/fonts.data"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_GE(table->recordCount(), 2);
    for (int32_t f = 0; f < table->recordCount(); ++f) {
        std::string mapfile = table->getString(f, "mapfile");
        EXPECT_EQ(mapfile.rfind("data/", 0), 0u) << mapfile;
        Loaded atlas = load(mapfile.substr(5));
        EXPECT_NE(atlas.texture, nullptr) << mapfile;
        EXPECT_NE(table->getString(f, "xspace"), "");
        EXPECT_NE(table->getString(f, "yspace"), "");
    }
}

TEST(DefaultContent, TheSoundtrackIsAnMP3Stream) {
    std::ifstream in(std::string(INTRO_DATA_DIR) + "/vorn.mp3", std::ios::binary);
    std::vector<uint8_t> head(kMP3ProbeSize);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(head.size()));
    EXPECT_TRUE(looksLikeMP3(head.data(), head.size()));
}

} // namespace
