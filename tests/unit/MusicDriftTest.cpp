#include "rules/MusicDrift.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The music looked at every 50 ms from time 1000 for 3 s, its position given by a function of
// time; the first look that finds it behind (or -1).
int firstLate(double together, const std::function<double(uint32_t)>& position,
              uint32_t interruptAt = 0) {
    MusicDrift drift;
    drift.setTogether(together);
    for (uint32_t now = 1000, look = 0; now < 4000; now += 50, ++look) {
        if (now == interruptAt) {
            drift.interrupt();
        }
        if (drift.behind(now, position(now))) {
            return static_cast<int>(look);
        }
    }
    return -1;
}

// A decoder that refills 180 ms at a time: its position leads what was played by up to that.
double refilled(uint32_t played) {
    return played + 180.0 - played % 180;
}

TEST(MusicDrift, MovesMusicThatFellBehindAtTheEndOfAWindowOnly) {
    const std::vector<
        std::tuple<const char*, double, std::function<double(uint32_t)>, uint32_t, int>>
        cases = {
            {"in step from clock 100", 100, [](uint32_t t) { return refilled(t - 100); }, 0, -1},
            {"in step after a seek", 0, [](uint32_t t) { return refilled(t); }, 0, -1},
            {"exactly at the limit", 0, [](uint32_t t) { return t - kMusicLagLimitMs; }, 0, -1},
            {"a millisecond past it", 0, [](uint32_t t) { return t - kMusicLagLimitMs - 1; }, 0,
             20},
            // Behind only in its lowest positions: the largest difference counts.
            {"stalled 100 ms", 28, [](uint32_t t) { return refilled(t - 128); }, 0, 20},
            {"stalled from 2.5 s", 0,
             [](uint32_t t) { return t < 2500   ? t
                                     : t < 2600 ? 2500
                                                : t - 100; }, 0, 40},
            // A pause starts a new window.
            {"interrupted", 0, [](uint32_t t) { return t - 100.0; }, 1500, 30},
            {"no position", 0, [](uint32_t) { return -1.0; }, 0, -1},
            {"stuck at its start", 0, [](uint32_t) { return 0.0; }, 0, 20},
        };
    for (const auto& [name, together, position, interruptAt, late] : cases) {
        EXPECT_EQ(firstLate(together, position, interruptAt), late) << name;
    }
    // Two looks in one millisecond (a frame rate past 1000) keep the window and what it saw: the
    // 200 ms lag of the first still counts when the window closes, with the music in step by then.
    MusicDrift drift;
    drift.setTogether(0);
    EXPECT_FALSE(drift.behind(1000, 800));
    EXPECT_FALSE(drift.behind(1000, 1000));
    EXPECT_TRUE(drift.behind(2000, 2000));
}

} // namespace
