#include "rules/IntroOptions.h"
#include "base/CommandLine.h"
#include "platform/KeyCodes.h"
#include "rules/Playback.h"

#include <gtest/gtest.h>

using namespace afterglow;

namespace {

TEST(IntroOptions, ReadsEachOptionAndRefusesMistakesWithAReason) {
    IntroOptions o;
    std::string error;
    ASSERT_TRUE(parseIntroOptions({}, o, error));
    EXPECT_FALSE(o.window || o.dev || o.help || o.version || o.start != 0 || !o.data.empty());
    ASSERT_TRUE(parseIntroOptions({"--window", "--start=81012", "--data", "d", "--dev"}, o, error));
    EXPECT_EQ(std::tie(o.window, o.width, o.height, o.start, o.data, o.dev, o.help),
              std::make_tuple(true, 1280, 720, 81012u, std::string("d"), true, false));
    ASSERT_TRUE(parseIntroOptions({"--start", "0000000000000000000000005"}, o, error)) << error;
    EXPECT_EQ(o.start, 5u) << "leading zeros change nothing";
    ASSERT_TRUE(parseIntroOptions({"--start", "200000", "--timeline", "t.toml"}, o, error))
        << error;
    EXPECT_EQ(std::tie(o.start, o.timeline), std::make_tuple(200000u, std::string("t.toml")))
        << "a timeline file's end bounds --start, once it is read";
    // clang-format off
    const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes = {
        {{"--start", "soon"}, "--start takes milliseconds"},
        {{"--start", "160001"}, "--start takes milliseconds"},
        {{"--start", "18446744073709551617"}, "--start takes milliseconds"}, // past 2^64
        {{"--window=800"}, "--window takes WIDTHxHEIGHT"},
        {{"--window=0x600"}, "--window takes WIDTHxHEIGHT"},
        {{"--data", ""}, "--data takes a folder"},
        {{"--timeline", ""}, "--timeline takes a file"},
        {{"--timeline", "t", "--start", "4294967296"}, "from 0 to 4294967295, not '4294967296'"},
    };
    // clang-format on
    for (const auto& [args, reason] : mistakes) {
        IntroOptions fresh;
        EXPECT_FALSE(parseIntroOptions(args, fresh, error)) << reason;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
}

// Every program reads its command line by these rules (the programs' own tests leave them to this
// one): the table is one of each kind of option.
TEST(CommandLine, EveryProgramReadsItsOptionsByOneSetOfRules) {
    const std::vector<OptionSpec> table = {{"--size", OptionValue::Required},
                                           {"--window", OptionValue::Optional},
                                           {"--dev", OptionValue::None}};
    using Options = std::vector<std::pair<std::string, std::optional<std::string>>>;
    struct Case {
        std::vector<std::string> args;
        size_t mostOperands;
        bool help;
        Options options;
        std::vector<std::string> operands;
        std::string error; // empty: read
    };
    const std::vector<Case> cases = {
        {{"--size", "2x2", "--window", "out", "--dev"},
         1,
         false,
         {{"--size", "2x2"}, {"--window", std::nullopt}, {"--dev", std::nullopt}},
         {"out"},
         ""},
        {{"--size=-1", "--window=4x4", "-"},
         1,
         false,
         {{"--size", "-1"}, {"--window", "4x4"}},
         {"-"},
         ""},
        {{"--size", "--dev"}, 0, false, {{"--size", "--dev"}}, {}, ""}, // a value, whatever it is
        {{"--", "--dev", "-h"}, 2, false, {}, {"--dev", "-h"}, ""},
        {{"--bogus", "-h"}, 0, true, {}, {}, ""}, // --help anywhere wins
        {{"--dev", "--dev"}, 0, false, {}, {}, "option --dev given twice"},
        {{"--dev=1"}, 0, false, {}, {}, "option --dev takes no value"},
        {{"--help=1"}, 0, false, {}, {}, "option --help takes no value"},
        {{"--size"}, 0, false, {}, {}, "option --size needs a value"},
        {{"--size", "--"}, 0, false, {}, {}, "option --size needs a value"},
        {{"--window", "4x4"}, 0, false, {}, {}, "unexpected argument '4x4'"},
        {{"-x"}, 0, false, {}, {}, "unknown option '-x'"},
        {{"a", "b"}, 1, false, {}, {}, "unexpected argument 'b'"},
    };
    for (const Case& c : cases) {
        CommandLine line;
        std::string error;
        const bool read = readCommandLine(c.args, table, c.mostOperands, line, error);
        EXPECT_EQ(read, c.error.empty()) << c.args[0] << ": " << error;
        EXPECT_EQ(error, c.error) << c.args[0];
        if (read) {
            Options options;
            for (const GivenOption& option : line.options) {
                options.emplace_back(option.name, option.value);
            }
            EXPECT_EQ(std::tie(line.help, options, line.operands),
                      std::tie(c.help, c.options, c.operands))
                << c.args[0];
        }
    }
}

TEST(CommandLine, AProgramIsNamedAsItWasStarted) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"/usr/games/afterglow", "afterglow"},
        {"./intro", "intro"},
        {"my-cap", "my-cap"},
        {"", "intro"},
        {"bin/", "intro"},
        {nullptr, "intro"}};
    for (const auto& [argv0, name] : cases) {
        EXPECT_EQ(programName(argv0, "intro"), name) << (argv0 != nullptr ? argv0 : "null");
    }
}

// The scene writers' keys, in order, at wall clock values: the intro time after each, and the
// scene a seek lands in.
TEST(Playback, PauseAndSeekMoveTheClockAndTheSceneFollows) {
    struct Step {
        uint32_t message, wall;
        DevRequest request;
        uint32_t time; // at the same wall clock value
        bool paused;
    };
    // clang-format off
    const std::vector<Step> steps = {
        {kKeyRight, 1000, DevRequest::Seek, 6000, false},              // 5 s on
        {kKeyRight | kKeyReleased, 1100, DevRequest::None, 6100, false}, // a release does nothing
        {kKeyRight | kKeyShift, 2000, DevRequest::Seek, 8000, false},   // 1 s with Shift
        {kKeyP, 3000, DevRequest::Pause, 9000, true},
        {kKeyLeft, 9000, DevRequest::Seek, 4000, true},                // seeking while paused
        {kKeyP, 10000, DevRequest::Resume, 4000, false},               // goes on from there
        {kKeyLeft, 11000, DevRequest::Seek, 0, false},                 // never before 0
        {kKeyEnter, 12000, DevRequest::None, 1000, false},              // the intro's own keys
        {kKeyHome, 13000, DevRequest::Seek, 0, false},
        {kKeyLeft | kKeyShift, 13000, DevRequest::Seek, 0, false},
    };
    // clang-format on
    Playback playback;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.wall);
        EXPECT_EQ(applyDevKey(playback, step.message, step.wall, 160000), step.request);
        EXPECT_EQ(playbackTime(playback, step.wall), step.time);
        EXPECT_EQ(playback.paused, step.paused);
    }
    seekPlayback(playback, 159000, 0);
    applyDevKey(playback, kKeyRight, 0, 160000);
    EXPECT_EQ(playbackTime(playback, 0), 160000u) << "never past the end";
    // The time stops at the last millisecond it can hold, and one more ends every timeline, unless
    // paused; the wall clock itself runs on past 32 bits (49.7 days), from a seek or from 0.
    constexpr uint64_t kWrap = uint64_t{1} << 32;
    // time sought, at wall; then a later wall, the time and whether it is past the last
    const std::vector<std::tuple<uint32_t, uint64_t, uint64_t, uint32_t, bool>> ends = {
        {UINT32_MAX - 5, 1000, 1005, UINT32_MAX, false},
        {UINT32_MAX - 5, 1000, 1006, UINT32_MAX, true},
        {0, 0, kWrap - 1, UINT32_MAX, false},
        {0, 0, kWrap, UINT32_MAX, true},
        {1000, kWrap - 10, kWrap + 10, 1020, false},
    };
    for (const auto& [sought, at, wall, time, past] : ends) {
        seekPlayback(playback, sought, at);
        EXPECT_EQ(playbackTime(playback, wall), time) << wall;
        EXPECT_EQ(playbackPastLastTime(playback, wall), past) << wall;
    }
    playback.paused = true;
    EXPECT_FALSE(playbackPastLastTime(playback, kWrap * 2));

    DemoState state;
    state.scene = 12; // skipped ahead with Enter; a seek forgets it
    for (auto [time, scene] : {std::pair{60000u, 4}, {7500u, 0}, {7501u, 1}, {160001u, 13}}) {
        followTime(Show(), state, time);
        EXPECT_EQ(state.scene, scene) << time;
        EXPECT_EQ(state.quit, scene == 13);
    }
}

} // namespace
