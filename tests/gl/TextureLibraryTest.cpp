#include "GLTestSupport.h"
#include "TestData.h"
#include "TestFiles.h"

#include "base/MemoryRoom.h"
#include "draw/ImageQuads.h"
#include "resources/TextureLibrary.h"
#include "tools/common/TGAWriter.h"

#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace afterglow;

namespace {

class TextureLibraryTest : public GLTest {
  protected:
    explicit TextureLibraryTest(int width = 64, int height = 64) : GLTest(width, height) {}
    // Destroyed before the context the base class holds, while it is still current.
    TextureLibrary textures;
    CurrentTextureLibrary current{textures};
};

std::string writeImage(const std::string& name, const TGAImage& image, bool rle = false) {
    return writeScratchFile(name, encodeTGA(image, rle));
}

TGAImage solid(int width, int height, int r, int g, int b) {
    return makeImage(width, height, 3, [=](int, int) { return std::array{r, g, b, 255}; });
}

std::vector<uint8_t> texImage(GLuint name, int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 3));
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

TEST_F(TextureLibraryTest, TheKthLoadReturnsKAndUploadsUnderNameK) {
    EXPECT_EQ(getTexture(0), nullptr);
    const uint8_t shades[] = {10, 60, 110, 160};
    for (int k = 1; k <= 4; ++k) {
        std::string file = writeImage("image" + std::to_string(k) + ".tga",
                                      solid(2, 2, shades[k - 1], 0, 0), k % 2 == 0);
        ASSERT_EQ(loadTexture(file, 0.0f), k);
        EXPECT_EQ(glInteger(GL_TEXTURE_BINDING_2D), k) << "the new slot stays bound";
        ASSERT_NE(getTexture(k), nullptr);
        EXPECT_EQ(getTexture(k)->texId(), static_cast<GLuint>(k));
    }
    EXPECT_EQ(textures.size(), 5u);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(texImage(static_cast<GLuint>(k), 2, 2)[0], shades[k - 1]);
    }
    // A released slot is empty, its GL texture gone; the others keep theirs, and so do numbers.
    textures.release(2);
    EXPECT_EQ(std::make_tuple(getTexture(2), glIsTexture(2), textures.size()),
              std::make_tuple(nullptr, GLboolean{GL_FALSE}, size_t{5}));
    EXPECT_EQ(texImage(3, 2, 2)[0], shades[2]);
    EXPECT_EQ(loadTexture(writeImage("image5.tga", solid(2, 2, 1, 2, 3)), 0.0f), 5);
}

class NarrowImage : public TextureLibraryTest {
  protected:
    NarrowImage() : TextureLibraryTest(3, 2) {}
};

TEST_F(NarrowImage, ATwentyFourBitImageThreePixelsWideDrawsWithoutSkew) {
    TGAImage image{
        3, 2, 3, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 0, 255, 255, 255, 0, 255}};
    int32_t slot = loadTexture(writeImage("narrow.tga", image), 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    showImage(slot);
    grab();
    // The first stored row runs along the bottom of the screen.
    for (int i = 0; i < 6; ++i) {
        const uint8_t* p = &image.pixels[size_t(i) * 3];
        EXPECT_TRUE(regionIs(i % 3, 1 - i / 3, i % 3 + 1, 2 - i / 3, {p[0], p[1], p[2]})) << i;
    }
}

TEST_F(TextureLibraryTest, AFailedLoadKeepsItsSlotEmptyAndLaterSlotsKeepTheirNumbers) {
    std::string good = writeImage("good.tga", solid(2, 2, 9, 9, 9));
    EXPECT_EQ(loadTexture(good, 0.0f), 1);
    testing::internal::CaptureStderr();
    int32_t missing = loadTexture(scratchPath("missing.tga"), 0.0f);
    int32_t empty = loadTexture("", 0.0f);
    // Wider than the driver's largest texture: refused before any memory is spent on it.
    const int wide = glInteger(GL_MAX_TEXTURE_SIZE) + 1;
    int32_t toolarge = loadTexture(writeImage("wide.tga", solid(wide, 1, 1, 2, 3)), 0.0f);
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::tie(missing, empty, toolarge), std::make_tuple(2, 3, 4));
    EXPECT_EQ(getTexture(missing), nullptr);
    EXPECT_EQ(getTexture(toolarge), nullptr);
    EXPECT_FALSE(glIsTexture(2));
    EXPECT_EQ(loadTexture(good, 0.0f), 5);
    EXPECT_NE(report.find("Assertion failed: !filename.empty() && \"no filename given, a silly "
                          "problem\", file TextureLibrary.cpp, line "),
              std::string::npos)
        << report;
    // A reload into the failed slot fills it and leaves every other slot's texture as it was.
    ASSERT_TRUE(textures.reload(missing, writeImage("late.tga", solid(2, 2, 77, 0, 0))));
    EXPECT_EQ(texImage(static_cast<GLuint>(missing), 2, 2)[0], 77);
    EXPECT_EQ(texImage(1, 2, 2)[0], 9);
    EXPECT_EQ(texImage(5, 2, 2)[0], 9);
    const auto next = static_cast<int32_t>(textures.size()); // the slot the next load takes
    EXPECT_FALSE(textures.reload(next, good)) << "not a slot that was handed out";
    EXPECT_FALSE(textures.reload(99, good));
    EXPECT_EQ(textures.get(next), nullptr);
}

// A reload whose driver's copy (512 x 512 x 4 bytes, where the decoded picture is 3 bytes a texel
// and too small to be checked alone) has no room under an address-space limit keeps the picture
// it would replace.
TEST_F(TextureLibraryTest, AReloadWithNoRoomToUploadKeepsTheOldPicture) {
    const int32_t slot = loadTexture(writeImage("old.tga", solid(512, 512, 40, 0, 0)), 0.0f);
    const std::string next = writeImage("new.tga", solid(512, 512, 90, 0, 0));
    uint64_t pages = 0;
    ASSERT_TRUE(std::ifstream("/proc/self/statm") >> pages);
    struct rlimit before, tight;
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
    tight = before;
    tight.rlim_cur = pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) + kMemoryReserve;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
    testing::internal::CaptureStderr();
    const bool reloaded = textures.reload(slot, next);
    const std::string report = testing::internal::GetCapturedStderr();
    ASSERT_EQ(setrlimit(RLIMIT_AS, &before), 0);
    EXPECT_FALSE(reloaded);
    EXPECT_NE(report.find("Could not upload texture"), std::string::npos) << report;
    ASSERT_NE(getTexture(slot), nullptr);
    EXPECT_EQ(texImage(static_cast<GLuint>(slot), 512, 512)[0], 40);
}

} // namespace
