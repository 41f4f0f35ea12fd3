#include "TestData.h"
#include "TestFiles.h"

#include "rules/ImageList.h"
#include "rules/Show.h"
#include "rules/TimelineFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <vector>

using namespace afterglow;

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
    const std::string named = "soundtrack = 'm.mp3'\n[images]\na = 'a.tga'\nb = 'b.tga'\n";
    const std::string layer = "[[scene.layer]]\n";
    const std::string notKey = "expected one of the keys end, image, changes, flipbook, scroller, "
                               "layer, camera in a scene, "
                               "not ";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"soundtrack = \n", "t:1:14: Error while parsing key-value pair: expected value, saw '\\n'"},
        // a character that once led the parser's whitespace table into undefined behaviour
        {"\xcc\xaa", "t:1:1: Error while parsing root table: expected keys, tables, whitespace or comments, saw '\xcc\xaa'"},
        // a bracket left open is named where it opened, past strings, comments and closed ones
        {"soundtrack = 'm.mp3'\nimages = [ '[', # [\n [ 'a.tga' ]\nend = 10\n", "t:4:1: Error while parsing array: expected comma or closing ']', saw 'e' (the '[' opened at 2:10)"},
        {"soundtrack = 'm.mp3'\nimages = [ 'ab[', \"c\\\"[\", # [\n [ 'a.tga' ]\nend = 10\n", "t:4:1: Error while parsing array: expected comma or closing ']', saw 'e' (the '[' opened at 2:10)"},
        {"soundtrack = 'm.mp3'\nimages = [\n  'a.tga',\n" + scene, "t:4:3: Error while parsing value: could not determine value type (the '[' opened at 2:10)"},
        {"soundtrack = 'm.mp3'\nimages = [\n  { a = 'a.tga',\n" + scene, "t:3:17: Error while parsing inline table: expected key or closing '}', saw '\\n'"},
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
        {head + scene + "changes = 5\n", "t:5:11: expected 'changes' to be a list of 1 to 256 entries"},
        {head + scene + "changes = [{ at = 1, after = 2, image = 0 }]\n", "t:5:12: expected either 'at' or 'after' in a change"},
        {head + scene + "changes = [{ at = 1, image = 0, x = 1 }]\n", "t:5:33: expected one of the keys at, after, image in a change, not 'x'"},
        {head + scene + "changes = [{ after = 2, image = 0 }, { at = 3, image = 1 }]\n", "t:5:45: expected each change later than the one before"},
        {head + scene + "image = 0\nflipbook = { frames = [0], pace = 1, after = 0 }\n", "t:6:12: expected no 'image' or 'changes' in a scene with a 'flipbook'"},
        {head + scene + "flipbook = { frames = [0], after = 0 }\n", "t:5:12: expected the key 'pace' in a flip-book"},
        {head + scene + "flipbook = { frames = [0, 5], pace = 1, after = 0 }\n", "t:5:27: expected each of 'frames' to be an image number from 0 to 1"},
        {head + scene + "scroller = { text = 1, pace = 0 }\n", "t:5:31: expected 'pace' to be a pace in ms from 1 to 4294967295"},
        {head + "scene = 3\n", "t:3:9: expected 'scene' to be a list of 1 to 1024 entries"},
        {std::string(kTimelineFileBytes + 1, ' '), "t:1:1: expected at most 1048576 bytes"},
        // a key of 150000 dotted parts once took the parser 130000 calls deep, past the stack
        {"a" + dots, "t:1:258: expected at most 256 dots in the keys of a line"},
        // in an inline table's key, after a multi-line string closed by two more quotes than it needs
        {"x = {s = \"\"\"a\"\"\"\", " + repeat(std::string("k."), 300) + "k = 1}\n", "t:1:533: expected at most 256 dots in the keys of a line"},
        {"x = {s = \"\"\"\"a\"\"\", " + repeat(std::string("k."), 300) + "k = 1}\n", "t:1:533: expected at most 256 dots in the keys of a line"},
        // dots in comments, strings and numbers are not keys
        {"#" + dots + "\nsoundtrack = '" + dots + "'\nimages = ['a']\n" + scene + "x = '''\n" + dots + "''''\ny = [" + repeat(std::string("0.5, "), 300) + "]\n", "t:6:1: " + notKey + "'x'"},
        // a newer format is refused before its unknown keys are
        {"version = 4\nplanes = 1\n" + head + scene, "t:1:11: expected 'version' to be a format version this reader knows, from 1 to 3"},
        // times in beats
        {head + "[[scene]]\nend = '12b'\n", "t:4:7: expected 'end' to be a time in ms from 0 to 4294967295; times in beats need 'bpm' at the top of the file"},
        {"beats_per_bar = 3\n" + head + scene, "t:1:17: expected 'bpm' beside 'beats_per_bar'"},
        {"bpm = 0\n" + head + scene, "t:1:7: expected 'bpm' to be a number from 1 to 1000"},
        {"soundtrack = { start = 5 }\n" + scene, "t:1:14: expected the key 'file' in the soundtrack"},
        {"soundtrack = { file = 'm.mp3', volume = 2 }\n" + scene, "t:1:41: expected the soundtrack's 'volume' to be a number from 0 to 1"},
        {"soundtrack = { file = 'm.mp3', loop = true }\n" + scene, "t:1:32: expected one of the keys file, start, volume in the soundtrack, not 'loop'"},
        {"soundtrack = { file = 'm.mp3', start = '1b' }\n" + scene, "t:1:40: expected the soundtrack's 'start' to be a time in ms from 0 to 4294967295; times in beats need 'bpm' at the top of the file"},
        {"bpm = 60\nbeats_per_bar = 65\n" + head + scene, "t:2:17: expected 'beats_per_bar' to be a count from 1 to 64"},
        {"bpm = 60\n" + head + "[[scene]]\nend = '1:5'\n", "t:5:7: expected 'end' to be a time in ms, beats (\"12b\") or bar:beat (\"3:2\"), bars and beats from 1, 4 beats to the bar"},
        {"bpm = 60\n" + head + scene + "scroller = { text = 1, pace = '1:2' }\n", "t:6:31: expected 'pace' to be a pace in ms or beats (\"2b\")"},
        {"bpm = 60\n" + head + scene + "scroller = { text = 1, pace = '0b' }\n", "t:6:31: expected 'pace' from 1 to 4294967295 ms, not 0 ms"},
        {"bpm = 1\n" + head + "[[scene]]\nend = '100000b'\n", "t:5:7: expected 'end' from 0 to 4294967295 ms, not 6000000000 ms"},
        {"bpm = 60\n" + head + "[[scene]]\nend = '3:1'\n[[scene]]\nend = '5:1'\nchanges = [{ at = '2:4', image = 0 }]\n", "t:8:19: expected 'at' not before the scene's start at 8000 ms, not \"2:4\" at 7000 ms"},
        // pictures by name
        {named + scene + "image = 'c'\n", "t:7:9: expected 'image' to name a picture of [images]"},
        {named + scene + "image = 0\n", "t:7:9: expected 'image' to name a picture of [images]"},
        {"soundtrack = 'm.mp3'\n[images]\n" + scene, "t:2:1: expected [images] to name 1 to 1024 pictures"},
        // layers and their values
        {head + scene + layer + "image = 0\ncolour = [1, 2, 3]\n", "t:7:1: expected one of the keys image, fit, box, alpha in a picture layer, not 'colour'"},
        {head + scene + layer + "alpha = 1\n", "t:5:1: expected the key 'colour' in a layer without an image or text"},
        {head + scene + layer + "image = 0\ntext = 'x'\n", "t:5:1: expected either 'image' or 'text' in a layer, not both"},
        {head + scene + layer + "text = 'x'\n[[scene]]\n" + layer + "end = 20\ncolour = [0, 0, 0]\n", "t:7:1: expected the key 'end' in a scene, before its first [[scene.layer]]"},
        {head + scene + layer + "image = 0\nfit = 'fill'\n", "t:7:7: expected 'fit' to be one of stretch, contain, cover"},
        {head + scene + layer + "colour = [0, 0, 256]\n", "t:6:17: expected each of 'colour' to be a whole number from 0 to 255"},
        {head + scene + layer + "image = 0\nalpha = nan\n", "t:7:9: expected 'alpha' to be a number from 0 to 1"},
        {head + scene + layer + "image = 0\nalpha = 1.5\n", "t:7:9: expected 'alpha' to be a number from 0 to 1"},
        {head + scene + layer + "image = 0\nbox = [0, 0, inf, 1]\n", "t:7:14: expected each of 'box' to be a number from -16 to 16"},
        {head + scene + layer + "image = 0\nbox = [0, 0, -1, 1]\n", "t:7:7: expected the box's width and height to be 0 or more"},
        {head + scene + layer + "image = 0\nbox = [0, 0, 1]\n", "t:7:7: expected 'box' to be a list of 4 numbers or keys"},
        {head + scene + layer + "image = 0\nbox = [[0, [0, 0, 1]]]\n", "t:7:12: expected a key's value to be a list of 4 numbers"},
        {head + scene + layer + "image = 0\nalpha = [[100, 0], [100, 1]]\n", "t:7:21: expected each key later than the one before (100 ms), not at 100 ms"},
        {head + scene + layer + "image = 0\nalpha = [[0, 0, 'bounce']]\n", "t:7:17: expected a key's interpolation to be one of step, linear, smooth, ramp"},
        {head + scene + layer + "image = 0\nalpha = [[0]]\n", "t:7:10: expected each key of 'alpha' to be [ms, value] or [ms, value, \"interpolation\"]"},
        {head + scene + layer + "image = 0\nalpha = [" + repeat(std::string("[0, 0],"), 1025) + "]\n", "t:7:9: expected 'alpha' to be a list of 1 to 1024 entries"},
        {head + scene + layer + "text = 'x'\nfont = -1\n", "t:7:8: expected 'font' to be a font number from 0 to 2147483647"},
        {head + scene + layer + "text = 'x'\nsize = 0\n", "t:7:8: expected 'size' to be a number from 0.015625 to 64"},
        {head + scene + layer + "text = \"caf\\u00e9\"\n", "t:6:8: expected 'text' to hold printable ASCII and line ends, the fonts' glyphs, not the byte 0xc3 at byte 4"},
        {head + scene + layer + "text = '" + std::string(4097, 'x') + "'\n", "t:6:8: expected 'text' to be a string of at most 4096 bytes"},
        // planes and the camera
        {head + scene + layer + "plane = 0\nimage = 0\n", "t:5:1: expected 'plane' without 'image' or 'text'"},
        {head + scene + layer + "plane = 0\nbox = [0, 0, 1, 1]\n", "t:7:1: expected one of the keys plane, position, rotation, size, alpha in a plane layer, not 'box'"},
        {head + scene + layer + "plane = 2\n", "t:6:9: expected 'plane' to be an image number from 0 to 1"},
        {head + scene + layer + "plane = 0\nsize = [1, -1]\n", "t:7:12: expected each of 'size' to be a number from 0 to 1e+06"},
        {head + scene + layer + "plane = 0\nposition = [0, 0]\n", "t:7:12: expected 'position' to be a list of 3 numbers or keys"},
        {head + scene + "[scene.camera]\nfov = 180\n", "t:6:7: expected 'fov' to be a number from 2 to 179"},
        {head + scene + "[scene.camera]\nlook = [0, 0, 0]\n", "t:6:1: expected one of the keys eye, target, up, fov in a camera, not 'look'"},
        {head + scene + "camera = 1\n", "t:5:10: expected 'camera' to be a table"},
        {head + scene + layer + "shader = 'p.frag'\nplane = 0\n", "t:5:1: expected 'shader' without 'image', 'text' or 'plane'"},
        {head + scene + layer + "shader = 'p.frag'\npictures = [0, 1, 0, 1, 0]\n", "t:7:12: expected 'pictures' to be a list of 1 to 4 entries"},
        {head + scene + layer + "shader = 'p.frag'\nfit = 'cover'\n", "t:7:1: expected one of the keys shader, pictures, box, alpha in a shader layer, not 'fit'"},
        {head + scene + repeat(layer + "colour = [0, 0, 0]\n", 65), "t:5:1: expected 'layer' to be a list of 1 to 64 entries"},
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
    // A file that cannot be read says why.
    Timeline timeline;
    std::string error;
    for (const auto& [path, why] :
         {std::pair{scratchPath("none.toml"), "No such file or directory"},
          std::pair{scratchPath(""), "not a regular file"}}) {
        EXPECT_FALSE(loadTimeline(path, timeline, error));
        EXPECT_EQ(error, path + ":1:1: expected a readable file: " + why);
    }
    // A picture's name may be 256 bytes long, and no longer.
    error.clear();
    for (const size_t bytes : {size_t{256}, size_t{257}}) {
        const std::string name(bytes, 'n');
        const std::string text = "soundtrack = \"m.mp3\"\n[images]\n" + name +
                                 " = \"a.tga\"\n[[scene]]\nend = 10\nimage = \"" + name + "\"\n";
        EXPECT_EQ(parseTimeline(text, "t", timeline, error), bytes == 256) << error;
        EXPECT_EQ(error, bytes == 256 ? "" : "t:3:1: expected a picture's name of 1 to 256 bytes");
        error.clear();
    }
    // A picture is looked for beside the timeline: the report says where, and why it will not do.
    std::filesystem::create_directories(scratchPath("folder.tga"));
    for (const auto& [name, why] :
         {std::pair{"gone.tga", "no such file"}, std::pair{"folder.tga", "not a regular file"}}) {
        const std::string path = writeScratchFile(
            "named.toml", std::string("soundtrack = \"named.toml\"\nimages = [\"") + name +
                              "\"]\n[[scene]]\nend = 10\nimage = 0\n");
        EXPECT_FALSE(loadTimeline(path, timeline, error));
        EXPECT_EQ(error, path + ":2:11: expected each of 'images' to name a file, not '" + name +
                             "' (" + scratchPath(name) + ": " + why + ")");
    }
}

// A file that uses every key of the layers: pictures by name (numbered in the order of their
// names), the three kinds of layer with their defaults, keys of single values and of whole boxes.
TEST(TimelineFile, LayersReadWithTheirDefaultsAndChangeOverTheScene) {
    const std::string text = R"(version = 2
soundtrack = "m.mp3"
[images]
sky = "sky.jpg"
city = "city.png"

[[scene]]
end = 4000
image = "sky"
[[scene.layer]]
image = "city"
fit = "cover"
box = [[0, [0, 0, 1, 1]], [1000, [0.5, 0.5, 0.5, 0.5], "step"]]
alpha = [[0, 0], [2000, 1, "smooth"]]
[[scene.layer]]
colour = [0, 0, 0]
[[scene.layer]]
text = "HELLO"
font = "mono"
size = [[0, 1], [1000, 3]]
box = [[[0, 0.1], [500, 0.3]], [[0, 0.2], [500, 0.4]], 0.8, 0.3]
)";
    Timeline timeline;
    std::string error;
    ASSERT_TRUE(parseTimeline(text, "t", timeline, error)) << error;
    EXPECT_EQ(timeline.imageNames, (std::vector<std::string>{"city", "sky"}));
    EXPECT_EQ(timeline.images, (std::vector<std::string>{"city.png", "sky.jpg"}));
    const std::vector<Layer>& layers = timeline.scenes[0].layers;
    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[2].fontName, "mono");
    EXPECT_EQ(layers[2].fontPlace, "t:19:8");
    EXPECT_TRUE(writesText(timeline));
    Timeline silent = timeline;
    silent.scenes[0].layers.pop_back();
    EXPECT_FALSE(writesText(silent)) << "a picture and a colour write nothing";

    const SceneDrawing start = timelineDrawing(timeline, 0, 0);
    EXPECT_EQ(start.image, 1);
    ASSERT_EQ(start.layers.size(), 3u);
    LayerDrawing picture{LayerKind::Picture, 0, Fit::Cover};
    picture.alpha = 0.0f;
    EXPECT_TRUE(start.layers[0] == picture);
    const LayerDrawing colour{LayerKind::Colour, -1, Fit::Stretch, {0, 0, 0}};
    EXPECT_TRUE(start.layers[1] == colour) << "a colour layer covers the screen, opaque";
    LayerDrawing words{LayerKind::Text, -1, Fit::Stretch, {255, 255, 255}, "HELLO"};
    words.box = {0.1f, 0.2f, 0.8f, 0.3f};
    EXPECT_TRUE(start.layers[2] == words) << "text is white, at the printer's own size";

    const SceneDrawing later = timelineDrawing(timeline, 0, 1000);
    picture.alpha = 0.5f;
    picture.box = {0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_TRUE(later.layers[0] == picture) << later.layers[0].alpha;
    EXPECT_EQ(later.layers[2].size, 3.0f);
    EXPECT_EQ(later.layers[2].box[0], 0.3f) << "a keyed first component is not a key";
    EXPECT_EQ(later.layers[2].box[1], 0.4f);
    EXPECT_FALSE(timelineDrawing(timeline, 0, 999) == later) << "a fading scene changes each ms";
}

// With a tempo, a time may be written in beats: on the clock (a scene's end) counted from the
// first beat, at the offset; within a scene "Nb" is beats into it and "bar:beat" a place in the
// music; a pace is a length.
TEST(TimelineFile, TimesInBeatsStandForTheirMs) {
    const std::string text = R"(bpm = 120
offset = 250
beats_per_bar = 3
soundtrack = { file = "m.mp3", start = "2:1", volume = 0.25 }
images = ["a.tga", "b.tga"]
[[scene]]
end = "3:2"
[[scene]]
end = "16b"
changes = [{ at = "1b", image = 1 }, { after = "5:1", image = 0 }]
[[scene]]
end = "20b"
scroller = { text = 0, pace = "0.25b" }
[[scene.layer]]
colour = [0, 0, 0]
alpha = [["0.5b", 0], ["6:3", 1], [1000, 0]]
box = [["0b", [0, 0, 1, 1]], ["1b", [0.5, 0.5, 0.5, 0.5]]]
)";
    Timeline timeline;
    std::string error;
    ASSERT_TRUE(parseTimeline(text, "t", timeline, error)) << error;
    ASSERT_EQ(timeline.scenes.size(), 3u);
    ASSERT_TRUE(timeline.tempo.has_value());
    EXPECT_EQ(timeline.tempo->beatsPerBar, 3u);
    EXPECT_EQ(timeline.soundtrack, "m.mp3");
    EXPECT_EQ(timeline.soundtrackStart, 1750u) << "the music placed at bar 2";
    EXPECT_EQ(timeline.soundtrackVolume, 0.25);
    const Show show(timeline, ".");
    EXPECT_EQ(show.sceneStart(0), 0u);
    EXPECT_EQ(show.sceneStart(2), 8250u);
    // bar 3 beat 2: (2 * 3 + 1) beats of 500 ms past the offset
    EXPECT_EQ(timeline.scenes[0].end, 3750u);
    EXPECT_EQ(timeline.scenes[1].end, 8250u);
    EXPECT_EQ(timeline.scenes[2].end, 10250u);
    ASSERT_EQ(timeline.scenes[1].changes.size(), 2u);
    EXPECT_EQ(timeline.scenes[1].changes[0].time, 500u) << "a beat into the scene";
    EXPECT_EQ(timeline.scenes[1].changes[1].time, 6250u - 3750u) << "bar 5's first beat";
    EXPECT_EQ(timeline.scenes[2].scroller->pace, 125u);
    const Layer& layer = timeline.scenes[2].layers[0];
    ASSERT_EQ(layer.alpha.keys.size(), 3u);
    EXPECT_EQ(layer.alpha.keys[0].time, 250u);
    EXPECT_EQ(layer.alpha.keys[1].time, 8750u - 8250u) << "bar 6's third beat";
    ASSERT_EQ(layer.box[3].keys.size(), 2u);
    EXPECT_EQ(layer.box[3].keys[1].time, 500u) << "a box keyed whole at a beat";
}

// A text layer's font is looked up in the data's font table once that is read.
TEST(TimelineFile, FontsAreFoundByNumberOrNameInTheFontTable) {
    // No images at all: a show of text.
    const std::string head =
        "soundtrack = 'm.mp3'\n[[scene]]\nend = 1\n[[scene.layer]]\ntext = 'x'\n";
    const std::vector<std::string> fonts = {"font_bold", "font_mono"};
    const std::string noTable = "no fonts"; // the caller's words
    const std::string known = "expected 'font' to be a font number from 0 to 1 or one of the "
                              "names font_bold, font_mono";
    // The font a layer writes with, or the report.
    const std::vector<std::tuple<std::string, std::vector<std::string>, std::string>> cases = {
        {"", fonts, "0"},
        {"font = 1\n", fonts, "1"},
        {"font = 'font_mono'\n", fonts, "1"},
        {"font = 2\n", fonts, "t:6:8: " + known},
        {"font = 'serif'\n", fonts, "t:6:8: " + known},
        {"font = 0\n", {}, "t:6:8: " + noTable},
        {"", {}, "t:5:8: " + noTable},
    };
    for (const auto& [font, table, expected] : cases) {
        SCOPED_TRACE(font);
        Timeline timeline;
        std::string error;
        ASSERT_TRUE(parseTimeline(head + font, "t", timeline, error)) << error;
        const bool bound = bindFonts(timeline, table, noTable, error);
        EXPECT_EQ(bound ? std::to_string(timeline.scenes[0].layers[0].font) : error, expected);
    }
}

} // namespace
