#include "TestFiles.h"

#include "base/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace afterglow;

namespace {

// Given, the folder is taken as it is; else the first folder that holds the marker, with each
// one passed over said and why.
TEST(DataFolder, IsTheGivenOneElseTheFirstThatHoldsTheSoundtrack) {
    const std::string none = scratchPath("none"), empty = scratchPath("empty");
    const std::string full = scratchPath("full");
    std::filesystem::create_directories(empty);
    std::filesystem::create_directories(full);
    writeScratchFile("full/vorn.mp3", "x");
    DataFolder chosen;
    std::vector<std::string> tried;
    ASSERT_TRUE(chooseDataFolder("", {none, empty, full}, "data/vorn.mp3", chosen, tried));
    EXPECT_EQ(chosen.folder(), full);
    EXPECT_EQ(joinFolders(tried), "data, " + none + ", " + empty + " (no vorn.mp3)");
    EXPECT_EQ(chosen.path("data/s1.tga"), full + "/s1.tga");
    EXPECT_EQ(chosen.path("other/s1.tga"), "other/s1.tga");
    EXPECT_FALSE(chooseDataFolder("", {empty}, "data/vorn.mp3", chosen, tried));
    EXPECT_EQ(chosen.path("data/s1.tga"), "data/s1.tga") << "none found: data/, where loads fail";
    EXPECT_EQ(DataFolder("").path("data/s1.tga"), "data/s1.tga") << "an empty folder is data/";
    ASSERT_TRUE(chooseDataFolder("given/", {full}, "data/vorn.mp3", chosen, tried));
    EXPECT_EQ(std::make_pair(chosen.path("data/s1.tga"), tried),
              std::make_pair(std::string("given/s1.tga"), std::vector<std::string>{"given/"}));
}

} // namespace
