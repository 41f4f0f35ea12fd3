#include "TestData.h"

#include "app/core/ImageList.h"
#include "app/core/TimelineFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The elapsed values where drawings are compared: every ms of the first 200 s (past every switch
// of the built-in rules and the longest scene), the last 200 s before the wrap, and a sparse
// sample of all between.
std::vector<uint32_t> elapsedValues() {
    std::vector<uint32_t> values;
    for (uint32_t t = 0; t <= 200000; ++t) {
        values.push_back(t), values.push_back(UINT32_MAX - t);
    }
    for (uint32_t t = 200000; t < UINT32_MAX - 200000; t += 65521) {
        values.push_back(t);
    }
    return values;
}

// Every image, flip-book frame, switch time and scroll position of the compiled rules, compared
// with the file's: a change to either shows here.
TEST(TimelineFile, TheBuiltInTimelineWrittenOutDrawsAsTheCompiledRules) {
    Timeline timeline;
    std::string error;
    ASSERT_TRUE(loadTimeline(INTRO_DATA_DIR "/timeline.toml", timeline, error)) << error;
    ASSERT_EQ(timeline.scenes.size(), size_t{kSceneCount});
    ASSERT_EQ(timeline.images.size(), size_t{kImageCount});
    // The file lies beside its images, as the compiled list's data/ folder.
    EXPECT_EQ(besideFile("data", timeline.soundtrack), kSoundtrack);
    for (int n = 0; n < kImageCount; ++n) {
        EXPECT_EQ(besideFile("data", timeline.images[n]), ImageList[n]);
    }
    EXPECT_EQ(besideFile("data", "/srv/s1.tga"), "/srv/s1.tga") << "an absolute path stays";
    for (int s = 0; s < kSceneCount; ++s) {
        EXPECT_EQ(timeline.scenes[s].end, SceneTimeline[s]) << "scene " << s;
        EXPECT_EQ(timeline.scenes[s].scroller.has_value(), s == 1) << "scene " << s;
    }
    EXPECT_EQ(timeline.scenes[1].scroller->text, kScrollTextImage);
    const std::vector<uint32_t> values = elapsedValues();
    for (int32_t scene = -1; scene <= kSceneCount; ++scene) {
        for (uint32_t elapsed : values) {
            const SceneDrawing read = timelineDrawing(timeline, scene, elapsed);
            const SceneDrawing built = sceneDrawing(scene, elapsed);
            ASSERT_TRUE(read == built) << "scene " << scene << " elapsed " << elapsed << ": image "
                                       << read.image << " for " << built.image << ", scroller "
                                       << read.scroller << " at " << read.scrollPosition << " for "
                                       << built.scroller << " at " << built.scrollPosition;
        }
    }
}

TEST(TimelineFile, EachMistakeIsReportedAsOneLineWithItsPlace) {
    const std::string head = "soundtrack = 'm.mp3'\nimages = ['a.tga', 'b.tga']\n";
    const std::string scene = "[[scene]]\nend = 10\n";
    const std::string dots(300, '.');
    const std::string images1025 =
        "soundtrack = 'm.mp3'\nimages = [" + repeat(std::string("'i.tga',"), 1025);
    const std::string notKey =
        "expected one of the keys end, image, changes, flipbook, scroller in a scene, not ";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"soundtrack = \n", "t:1:14: Error while parsing key-value pair: expected value, saw '\\n'"},
        // a character that once led the parser's whitespace table into undefined behaviour
        {"\xcc\xaa", "t:1:1: Error while parsing root table: expected keys, tables, whitespace or comments, saw '\xcc\xaa'"},
        {head + scene + "colour = 1\n", "t:5:1: " + notKey + "'colour'"},
        {head + scene + "\"x\\ty\" = 1\n", "t:5:1: " + notKey + "'x y'"},
        {"images = ['a.tga']\n" + scene, "t:1:1: expected the key 'soundtrack' in the file"},
        {head, "t:1:1: expected the key 'scene' in the file"},
        {"soundtrack = 'm.mp3'\nimages = []\n" + scene, "t:2:10: expected 'images' to be a list of 1 to 1024 entries"},
        {images1025 + "]\n" + scene, "t:2:10: expected 'images' to be a list of 1 to 1024 entries"},
        {"soundtrack = \"m\\u0000.mp3\"\nimages = ['a.tga']\n" + scene, "t:1:14: expected 'soundtrack' to be a path of 1 to 4096 bytes without NUL"},
        {head + "[[scene]]\nend = -1\n", "t:4:7: expected 'end' to be a time in ms from 0 to 4294967295"},
        {head + "[[scene]]\nend = 10.0\n", "t:4:7: expected 'end' to be a time in ms from 0 to 4294967295"},
        {head + scene + scene, "t:6:7: expected 'end' after the previous scene's end, 10"},
        {head + scene + "image = 2\n", "t:5:9: expected 'image' to be an image number from 0 to 1"},
        {head + scene + "changes = [{ at = 1, after = 2, image = 0 }]\n", "t:5:12: expected either 'at' or 'after' in a change"},
        {head + scene + "changes = [{ after = 2, image = 0 }, { at = 3, image = 1 }]\n", "t:5:45: expected each change later than the one before"},
        {head + scene + "image = 0\nflipbook = { frames = [0], pace = 1, after = 0 }\n", "t:6:12: expected no 'image' or 'changes' in a scene with a 'flipbook'"},
        {head + scene + "flipbook = { frames = [0], after = 0 }\n", "t:5:12: expected the key 'pace' in a flip-book"},
        {head + scene + "flipbook = { frames = [0, 5], pace = 1, after = 0 }\n", "t:5:27: expected each of 'frames' to be an image number from 0 to 1"},
        {head + scene + "scroller = { text = 1, pace = 0 }\n", "t:5:31: expected 'pace' to be a pace in ms from 1 to 4294967295"},
        {head + "scene = 3\n", "t:3:9: expected 'scene' to be a list of 1 to 1024 entries"},
        {std::string(kTimelineFileBytes + 1, ' '), "t:1:1: expected at most 1048576 bytes"},
        // a key of 150000 dotted parts once took the parser 130000 calls deep, past the stack
        {"a" + dots, "t:1:258: expected at most 256 dots in a line outside strings and comments"},
        // dots in comments and strings are not keys
        {"#" + dots + "\nsoundtrack = '" + dots + "'\nimages = ['a']\n" + scene + "x = '''\n" + dots + "'''\n", "t:6:1: " + notKey + "'x'"},
    };
    // clang-format on
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.substr(0, 200));
        Timeline timeline;
        timeline.soundtrack = "kept";
        std::string error;
        EXPECT_FALSE(parseTimeline(text, "t", timeline, error));
        EXPECT_EQ(error, expected);
        EXPECT_EQ(timeline.soundtrack, "kept") << "a mistake changes nothing";
    }
}

} // namespace
