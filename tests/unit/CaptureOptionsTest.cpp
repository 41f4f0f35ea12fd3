#include "tools/capture/CaptureOptions.h"
#include "tools/capture/CapturePlan.h"
#include "tools/capture/WholeVideo.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    bool ok;
    CaptureOptions options;
    std::string error;
};

Parsed parse(const std::vector<std::string>& args) {
    Parsed p{false, {}, {}};
    p.ok = parseCaptureOptions(args, p.options, p.error);
    return p;
}

TEST(CaptureOptions, TakesAStillOrAVideoWithItsDefaults) {
    struct Case {
        std::vector<std::string> args;
        bool still, everyFrame, variableRate, help;
        uint32_t at, from, to;
        int fps, width, height;
        std::string data;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"--at", "81012", "--output", "a.png", "--data", "d"}, true, false, false, false, 81012, 0, 160000, 60, 1920, 1080, "d"},
        {{"--output", "v.mp4", "--fps", "10", "--size", "320x200", "--from", "5"}, false, false, false, false, 0, 5, 160000, 10, 320, 200, ""},
        {{"--from", "5", "--to", "86400005", "--every-frame", "--output", "v.mp4"}, false, true, false, false, 0, 5, 86400005, 60, 1920, 1080, ""},
        {{"--variable-rate", "--output", "v.mp4"}, false, false, true, false, 0, 0, 160000, 60, 1920, 1080, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        Parsed p = parse(c.args);
        ASSERT_TRUE(p.ok) << p.error;
        const CaptureOptions& o = p.options;
        EXPECT_EQ(std::tie(o.still, o.everyFrame, o.variableRate, o.help, o.at, o.from, o.to, o.fps,
                           o.width, o.height, o.data),
                  std::tie(c.still, c.everyFrame, c.variableRate, c.help, c.at, c.from, c.to, c.fps,
                           c.width, c.height, c.data));
    }
    const Parsed version = parse({"--fps", "30", "--version"});
    EXPECT_TRUE(version.ok && version.options.version && !version.options.help) << version.error;
}

TEST(CaptureOptions, RefusesMistakesWithAReason) {
    // clang-format off
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--at", "5"}, "--output is required"},
        {{"--at", "abc", "--output", "a.png"}, "--at takes milliseconds"},
        {{"--at", "4294967296", "--output", "a.png"}, "--at takes milliseconds"},
        {{"--at", "1", "--data", "", "--output", "a.png"}, "--data takes a folder"},
        {{"--size", "640x", "--output", "v.mp4"}, "--size takes WIDTHxHEIGHT"},
        {{"--size", "1x480", "--output", "v.mp4"}, "--size takes WIDTHxHEIGHT"},
        {{"--size", "641x480", "--output", "v.mp4"}, "even"},
        {{"--size", "640x481", "--output", "v.mp4"}, "even"},
        {{"--fps", "0", "--output", "v.mp4"}, "--fps takes a whole number"},
        {{"--output", "a.png"}, "a still takes --at"},
        {{"--at", "1", "--fps", "30", "--output", "a.png"}, "a still takes --at"},
        {{"--at", "1", "--output", "v.mp4"}, "a video takes --from and --to"},
        {{"--from", "5000", "--to", "5000", "--output", "v.mp4"}, "--to must come after --from"},
        {{"--at", "1", "--output", "a.gif"}, "--output must name a .png"},
        {{"--from", "5", "--to", "86400006", "--output", "v.mp4"}, "a video spans at most 24 hours"},
        {{"--to", "4294967295", "--every-frame", "--output", "v.mp4"}, "at most 86400000 ms after"},
        {{"--at", "1", "--variable-rate", "--output", "a.png"}, "a still takes --at"},
        {{"--at", "1", "--output", ""}, "--output takes a file name, not ''"},
    };
    // clang-format on
    for (const auto& [args, reason] : cases) {
        SCOPED_TRACE(reason);
        Parsed p = parse(args);
        EXPECT_FALSE(p.ok);
        EXPECT_NE(p.error.find(reason), std::string::npos) << p.error;
    }
}

TEST(CaptureOptions, FrameNShowsTheClockAtFromPlusNThousandthsOverFps) {
    // from, to, fps, frames, then frame numbers and their clock values
    const std::vector<std::tuple<uint32_t, uint32_t, int, uint64_t, uint64_t, uint32_t>> cases = {
        {1000, 3000, 10, 20, 19, 2900}, {0, 160000, 60, 9600, 1, 16},
        {0, 160000, 60, 9600, 2, 33},   {0, 160000, 60, 9600, 9599, 159983},
        {0, 17, 60, 2, 1, 16}, // 0 and 16 lie before 17
    };
    for (const auto& [from, to, fps, frames, n, time] : cases) {
        CaptureOptions o;
        o.from = from, o.to = to, o.fps = fps;
        EXPECT_EQ(frameCount(o), frames);
        EXPECT_EQ(frameTime(o, n), time);
    }
}

// Which frames of a span are drawn: the first of each run of one picture, and the last frame.
TEST(CapturePlan, DrawsOnlyFramesWhosePictureChanges) {
    // from, to, fps, the frame numbers drawn
    const std::vector<std::tuple<uint32_t, uint32_t, int, std::vector<uint64_t>>> cases = {
        {0, 2000, 60, {0, 119}},           // one still
        {7000, 8000, 10, {0, 6, 7, 8, 9}}, // scene 0, then the scroller moves every frame
        {52000, 54000, 10, {0, 17, 19}},   // scene 3 switches at 53670
        {81000, 82100, 10, {0, 1, 6, 10}}, // the flip-book starts at 81011, steps at 81511
        {160000, 160400, 10, {0, 1, 3}},   // the end: nothing drawn after 160000
    };
    for (const auto& [from, to, fps, drawn] : cases) {
        SCOPED_TRACE(testing::Message() << from << " to " << to);
        CaptureOptions o;
        o.from = from, o.to = to, o.fps = fps;
        std::vector<uint64_t> numbers;
        for (const PlannedFrame& f : planVideo(Show(), o, false)) {
            numbers.push_back(f.number);
            EXPECT_EQ(f.time, frameTime(o, f.number));
        }
        EXPECT_EQ(numbers, drawn);
        EXPECT_EQ(planVideo(Show(), o, true).size(), frameCount(o))
            << "the slow way draws every frame";
    }
    CaptureOptions whole; // 9600 frames
    int asked = 0;
    EXPECT_EQ(planVideo(Show(), whole, true, [&] { return ++asked > 2; }).size(), 8192u)
        << "a stop ends the planning at the next few thousand frames";
}

// The frames ffmpeg says it wrote, from its final progress report only.
TEST(CapturePlan, ReadsTheFramesWrittenFromTheFinalProgressReport) {
    // clang-format off
    const std::vector<std::tuple<std::string, bool, uint64_t>> cases = {
        {"frame=1\nprogress=continue\nframe=5665\nfps=0.0\nprogress=end\n", true, 5665},
        {"frame=1\nprogress=continue\n", false, 0}, // killed before its last report
        {"frame=1\nprogress=continue\nframe=56", false, 0},
        {"", false, 0},
        {"frame=x\nprogress=end\n", false, 0},
    };
    // clang-format on
    for (const auto& [report, known, frames] : cases) {
        SCOPED_TRACE(report);
        uint64_t got = 0;
        EXPECT_EQ(encodedFrames(report, got), known);
        if (known) {
            EXPECT_EQ(got, frames);
        }
    }
}

// What an interrupted video holds: frames at a constant rate; at a variable one, pictures that
// each hold until the next (frames 0, 6, 7, 8, 9 of 10 drawn, as in the plan above).
TEST(CapturePlan, AnInterruptedVideoHoldsTheFramesItsPicturesCover) {
    CaptureOptions o;
    o.from = 7000, o.to = 8000, o.fps = 10;
    const std::vector<PlannedFrame> frames = planVideo(Show(), o, false);
    // frames encoded, at a variable rate, frames they hold
    const std::vector<std::tuple<uint64_t, bool, uint64_t>> cases = {
        {0, true, 0}, {1, true, 1}, {2, true, 7}, {5, true, 10}, {9, true, 10}, {2, false, 2}};
    for (const auto& [encoded, variable, held] : cases) {
        EXPECT_EQ(framesHeld(frames, encoded, variable), held) << encoded << " " << variable;
    }
}

// A finished video's top-level boxes must lie end to end to the file's end and hold the file type,
// the index and the media data; a box's size may take 64 bits, or run to the end.
TEST(WholeVideo, TheTopLevelBoxesMustTileTheFileAndHoldTypeIndexAndData) {
    auto box = [](const std::string& type, uint32_t size) {
        std::string b = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
        return b + type + std::string(size >= 8 ? size - 8 : 0, 'x');
    };
    const std::string head = box("ftyp", 16) + box("moov", 12);
    const std::string wide = std::string("\0\0\0\1mdat", 8) + std::string(7, '\0') + "\x14xxxx";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {head + box("mdat", 9), ""},
        {head + wide, ""},
        {head + std::string("\0\0\0\0mdat", 8) + "anything", ""},
        {head + box("mdat", 10).substr(0, 9), "it is cut short"},
        {head + box("mdat", 9) + std::string("\0\0\0\7free", 8), "it is cut short"},
        {box("ftyp", 16) + box("mdat", 9), "it has no 'moov' box"},
        {"", "it is empty"},
    };
    for (const auto& [bytes, fault] : cases) {
        EXPECT_EQ(videoFault(writeScratchFile("v.mp4", bytes)), fault) << bytes.size() << " bytes";
    }
}

} // namespace
