#include "GLTestSupport.h"
#include "TestData.h"
#include "TestFiles.h"

#include "app/ImageLoading.h"
#include "rules/TimelineFile.h"
#include "tools/common/TGAWriter.h"

using namespace afterglow;

namespace {

class ImageLoadingTest : public GLTest {
  protected:
    // A show of five images: one that does not open, a second name for the first file and one
    // that does not decode.
    void SetUp() override {
        GLTest::SetUp();
        for (const auto& [name, red] : {std::pair{"red.tga", 200}, std::pair{"dark.tga", 40}}) {
            writeScratchFile(name, encodeTGA(makeImage(2, 2, 3,
                                                       [red = red](int, int) {
                                                           return std::array{red, 0, 0, 255};
                                                       }),
                                             false));
        }
        writeScratchFile("broken.tga", std::vector<uint8_t>(11, 0));
        Timeline timeline;
        std::string error;
        ASSERT_TRUE(parseTimeline(R"(soundtrack = "music.mp3"
images = ["red.tga", "missing.tga", "dark.tga", "red.tga", "broken.tga"]
[[scene]]
end = 1000
image = 0
)",
                                  "show.toml", timeline, error))
            << error;
        show = Show(std::move(timeline), folderOf(scratchPath("show.toml")));
    }
    Show show;
    DemoState state;
    TextureLibrary textures;
};

// Read from the files or taken from a preload, the list loads alike: slots in list order, a second
// name sharing its file's slot, failures kept in their slots, listed and reported in list order.
TEST_F(ImageLoadingTest, FilesAndPreloadGiveTheSameSlotsFailuresAndReports) {
    std::string reports[2];
    for (const bool preloaded : {false, true}) {
        SCOPED_TRACE(preloaded ? "preloaded" : "from the files");
        TextureLibrary library;
        ImagePreload preload(show);
        testing::internal::CaptureStderr();
        const std::vector<int> failed =
            loadImageList(show, state, library, preloaded ? &preload : nullptr);
        reports[preloaded] = testing::internal::GetCapturedStderr();
        EXPECT_EQ(failed, (std::vector<int>{1, 4}));
        EXPECT_EQ(state.imageSlots, (std::vector<int32_t>{1, 2, 3, 1, 4}));
        ASSERT_NE(library.get(3), nullptr);
        EXPECT_EQ(library.get(2), nullptr);
        EXPECT_EQ(missingImages(show, failed), "2 of 5 images did not load (" + show.imagePath(1) +
                                                   ", " + show.imagePath(4) + ")");
    }
    EXPECT_EQ(reports[0], reports[1]);
    // Past five, the rest are counted: the line stays one line.
    const std::string many = missingImages(show, {4, 3, 2, 1, 0, 1, 2});
    EXPECT_EQ(many.substr(many.size() - 12), " and 2 more)") << many;
    const size_t missing = reports[0].find("could not open texture file");
    const size_t broken = reports[0].find("Could not read file header");
    EXPECT_TRUE(missing != std::string::npos && broken != std::string::npos && missing < broken)
        << reports[0];
}

// Loading stops where keepLoading says so: the images after it keep slot 0 and are not failures.
TEST_F(ImageLoadingTest, AStopLeavesTheRestUnloaded) {
    int asked = 0;
    testing::internal::CaptureStderr();
    const std::vector<int> failed =
        loadImageList(show, state, textures, nullptr, [&] { return ++asked <= 2; });
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(failed, std::vector<int>{1});
    EXPECT_EQ(state.imageSlots, (std::vector<int32_t>{1, 2, 0, 0, 0}));
}

} // namespace
