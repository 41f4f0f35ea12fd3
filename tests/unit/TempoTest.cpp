#include "rules/Tempo.h"

#include <gtest/gtest.h>

#include <vector>

// Beats and bars as a person writes them, and what each stands for in beats past the first.
TEST(Tempo, BeatsAndBarsAreReadAsMusiciansCountThem) {
    // clang-format off
    const std::vector<std::pair<const char*, std::optional<double>>> cases = {
        {"12b", 12.0}, {"0b", 0.0}, {"0.5b", 0.5}, {"1:1", 0.0}, {"3:2", 9.0}, {"2:4.5", 7.5},
        // not beats: signs, exponents, spaces, empty parts, a bar or beat of 0, past the bar
        {"b", {}}, {"-1b", {}}, {"+1b", {}}, {"1e3b", {}}, {" 1b", {}}, {"1.b", {}}, {".5b", {}},
        {"1B", {}}, {"12", {}}, {"0:1", {}}, {"1:0", {}}, {"1:5", {}}, {"1.5:1", {}}, {":1", {}},
        {"1:", {}}, {"1:2:3", {}}, {"1:1b", {}}, {"9999999999b", {}},
    };
    // clang-format on
    for (const auto& [text, beats] : cases) {
        SCOPED_TRACE(text);
        const std::optional<BeatTime> read = parseBeatTime(text, 4);
        ASSERT_EQ(read.has_value(), beats.has_value());
        if (read) {
            EXPECT_EQ(read->beats, *beats);
            EXPECT_EQ(read->barBeat, std::string(text).find(':') != std::string::npos);
        }
    }
    EXPECT_TRUE(parseBeatTime("1:5", 5)) << "a longer bar holds a fifth beat";
    EXPECT_EQ(beatsToMs(Tempo{120.0, 0, 4}, parseBeatTime("3:2", 4)->beats), 4500.0);
}

// The bar and beat the clock is in, as --dev shows it: whole beats, none before the first.
TEST(Tempo, TheClockIsShownInTheBarAndBeatItIsIn) {
    const Tempo waltz{120.0, 250, 3};
    // clang-format off
    const std::vector<std::pair<uint32_t, const char*>> cases = {
        {0, ""}, {249, ""}, {250, "1:1"}, {749, "1:1"}, {750, "1:2"}, {1749, "1:3"}, {1750, "2:1"},
        {3750, "3:2"}, {UINT32_MAX, "2863312:2"},
    };
    // clang-format on
    for (const auto& [time, shown] : cases) {
        EXPECT_EQ(barBeatAt(waltz, time), shown) << time;
    }
    // At any tempo, the ms a beat written as bar:beat stands for shows that beat, the ms before it
    // the one before.
    for (double bpm = 60.0; bpm <= 200.0; bpm += 0.5) {
        const Tempo tempo{bpm, 7, 3};
        for (uint32_t beat = 1; beat < 48; ++beat) {
            const std::string name =
                std::to_string(beat / 3 + 1) + ":" + std::to_string(beat % 3 + 1);
            const auto at =
                static_cast<uint32_t>(beatsToMs(tempo, parseBeatTime(name, 3)->beats)) + 7;
            ASSERT_EQ(barBeatAt(tempo, at), name) << bpm << " bpm";
            ASSERT_NE(barBeatAt(tempo, at - 1), name) << bpm << " bpm";
        }
    }
}
