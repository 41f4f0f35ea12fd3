#include "app/core/FramePlan.h"
#include "app/core/Keyboard.h"

#include <gtest/gtest.h>

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
}

TEST(SceneRules, EachSceneShowsItsImageOnBothSidesOfEverySwitch) {
    // clang-format off
    const std::vector<std::tuple<int, uint32_t, int>> cases = { // scene, elapsed, image
        {0, 0, 0}, {0, 7500, 0}, {1, 0, 3}, {1, 30500, 3},
        // scene 2 switches when elapsed / 500 reaches 4 and 6, scene 3 when elapsed / 1000
        // reaches 3 and 7
        {2, 1999, 22}, {2, 2000, 21}, {2, 2999, 21}, {2, 3000, 20},
        {3, 2999, 1}, {3, 3000, 18}, {3, 6999, 18}, {3, 7000, 19},
        {4, 5000, 2}, {5, 5000, 5}, {6, 5000, 6},
        // the flip-book: one image every 500 ms, then image 12
        {7, 0, 7}, {7, 499, 7}, {7, 500, 8}, {7, 2000, 9}, {7, 3500, 10}, {7, 9999, 11},
        {7, 10000, 12},
        // scenes 8, 9 and 11 switch only once elapsed / 1000 exceeds 3
        {8, 3000, 13}, {8, 3001, 14}, {9, 3000, 25}, {9, 3001, 24}, {10, 0, 23},
        {11, 3000, 15}, {11, 3001, 16}, {12, 22000, 17}, {13, 0, -1},
        // an early Enter leaves elapsed near 2^32: each rule picks its last image
        {2, 0xFFFFFFFFu, 20}, {3, 0xFFFF0000u, 19}, {7, 0xFFFFFFFFu, 12}, {8, 0xFFFFFFF0u, 14},
    };
    // clang-format on
    for (const auto& [scene, elapsed, image] : cases) {
        SCOPED_TRACE(testing::Message() << "scene " << scene << " elapsed " << elapsed);
        EXPECT_EQ(sceneDrawing(scene, elapsed).image, image);
        EXPECT_EQ(sceneDrawing(scene, elapsed).scroller, scene == 1);
    }
    EXPECT_FLOAT_EQ(sceneDrawing(1, 12000).scrollPosition, 0.5f);
    // Entered early by Enter: far past the clamped end of the text.
    EXPECT_NEAR(sceneDrawing(1, 0u - 1000u).scrollPosition, 178956.9f, 0.1f);
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
        {std::nullopt, 8000, 2, 4, ""},
        {0, 8000, 2, 4, ""},               // other keys neither count nor act
        {65, 9000, 2, 4, ""},
    };
    // clang-format on
    DemoState state;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.now);
        testing::internal::CaptureStdout();
        planFrame(Show(), state, step.now);
        handleMessage(Show(), state, step.message, step.now);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), step.printed);
        EXPECT_EQ(state.scene, step.scene);
        EXPECT_EQ(state.keyCounter, step.keyCounter);
    }
    // Entered early by Enter, scene 2 shows its last image until its own start.
    EXPECT_EQ(planFrame(Show(), state, 37999).image, 20);
    EXPECT_EQ(planFrame(Show(), state, 38000).image, 22);
    EXPECT_FALSE(state.quit);
    handleMessage(Show(), state, kKeyEscape, 38000);
    EXPECT_TRUE(state.quit);
    state.scene = 12; // Enter never moves past the end of the timeline
    for (int i = 0; i < 10; ++i) {
        applyKeyMessage(state, kKeyEnter, kSceneCount);
    }
    EXPECT_EQ(state.scene, 13);
}

} // namespace
