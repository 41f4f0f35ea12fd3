#include "rules/FramePlan.h"
#include "rules/Keyboard.h"

#include <gtest/gtest.h>

using namespace afterglow;

namespace {

TEST(SceneTimeline, SceneIndexFollowsTheClockAndNeverGoesBack) {
    for (int s = 0; s < kSceneCount; ++s) {
        SCOPED_TRACE(s);
        DemoState state;
        advanceTimeline(state, SceneTimeline[s]);
        EXPECT_EQ(state.scene, s) << "a scene lasts while the clock is at most its end";
        EXPECT_FALSE(state.quit);
        advanceTimeline(state, SceneTimeline[s] + 1);
        EXPECT_EQ(state.scene, s + 1);
        EXPECT_EQ(state.quit, s + 1 == kSceneCount) << "the end quits in the same step";
        advanceTimeline(state, 0);
        EXPECT_EQ(state.scene, s + 1);
    }
    DemoState jump;
    advanceTimeline(jump, 60000);
    EXPECT_EQ(jump.scene, 4) << "a clock jump passes several scenes in one step";
    EXPECT_EQ(warmUpTimes(Show(), 38002), (std::vector<uint32_t>{0, 7501, 38001}))
        << "a picture reset replays the first ms of each scene begun before";
}

// Messages fed to the frame step in order, and what the run looks like after each.
TEST(Keyboard, EnterAndSpaceActOnEverySecondMessageOfTheSharedCounter) {
    struct Step {
        std::optional<uint32_t> message;
        uint32_t now;
        int32_t scene, keyCounter;
        const char* printed;
    };
    // clang-format off
    const std::vector<Step> steps = {
        {kKeySpace, 1234, 0, 1, ""},       // key-down: counts only
        {kKeySpace, 1250, 0, 2, "1250\n"}, // key-up: prints the clock
        {std::nullopt, 1300, 0, 2, ""},    // no message: nothing is applied again
        {kKeySpace, 8000, 1, 3, ""},       // the counter is shared: a lone Space down...
        {kKeyEnter, 8000, 2, 4, ""},       // ...makes the next Enter act
        {65, 9000, 2, 4, ""},              // other keys neither count nor act
    };
    // clang-format on
    DemoState state;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.now);
        planFrame(Show(), state, step.now);
        const bool print = handleMessage(Show(), state, step.message);
        EXPECT_EQ(print ? clockLine(step.now, nullptr) + "\n" : "", step.printed);
        EXPECT_EQ(state.scene, step.scene);
        EXPECT_EQ(state.keyCounter, step.keyCounter);
    }
    // Entered early by Enter, scene 2 shows its last image until its own start.
    EXPECT_EQ(planFrame(Show(), state, 37999).image, 20);
    EXPECT_EQ(planFrame(Show(), state, 38000).image, 22);
    EXPECT_FALSE(state.quit);
    handleMessage(Show(), state, kKeyEscape);
    EXPECT_TRUE(state.quit);
    EXPECT_EQ(clockLine(UINT32_MAX, nullptr), "4294967295") << "past 2^31 ms too";
    const Tempo tempo{120.0, 0, 4};
    EXPECT_EQ(clockLine(4500, &tempo), "4500 3:2") << "with a tempo, as --dev prints it";
    state.scene = 12; // Enter never moves past the end of the timeline
    for (int i = 0; i < 10; ++i) {
        applyKeyMessage(state, kKeyEnter, kSceneCount);
    }
    EXPECT_EQ(state.scene, 13);
}

} // namespace
