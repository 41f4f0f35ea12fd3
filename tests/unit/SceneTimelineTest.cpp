#include "app/SceneTimeline.h"
#include "app/Frame.h"
#include "app/Keyboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

DemoState runTo(uint32_t now) {
    DemoState state;
    advanceTimeline(state, now);
    return state;
}

TEST(SceneTimeline, SceneIndexFollowsTheClockAtEveryBoundary) {
    for (int s = 0; s < kSceneCount; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(runTo(SceneTimeline[s]).scene, s)
            << "a scene lasts while the clock is at most its end";
        EXPECT_EQ(runTo(SceneTimeline[s] + 1).scene, s + 1);
    }
    EXPECT_EQ(runTo(0).scene, 0);
    EXPECT_EQ(runTo(7500).scene, 0);
    EXPECT_EQ(runTo(7501).scene, 1);
}

TEST(SceneTimeline, TheEndSetsQuitInTheSameStep) {
    DemoState state = runTo(160000);
    EXPECT_EQ(state.scene, 12);
    EXPECT_FALSE(state.quit);
    advanceTimeline(state, 160001);
    EXPECT_EQ(state.scene, 13);
    EXPECT_TRUE(state.quit);
}

TEST(SceneTimeline, AClockJumpPassesSeveralScenesInOneStepAndNeverGoesBack) {
    DemoState state;
    advanceTimeline(state, 60000);
    EXPECT_EQ(state.scene, 4);
    advanceTimeline(state, 100);
    EXPECT_EQ(state.scene, 4);
    advanceTimeline(state, 0xFFFFFFFFu);
    EXPECT_EQ(state.scene, 13);
    EXPECT_TRUE(state.quit);
}

struct RuleCase {
    int scene;
    uint32_t elapsed;
    int image;
};

TEST(SceneRules, EachSceneShowsItsImageOnBothSidesOfEverySwitch) {
    const std::vector<RuleCase> cases = {
        {0, 0, 0},
        {0, 7500, 0},
        {1, 0, 3},
        {1, 30500, 3},
        // scene 2 switches when t = elapsed / 500 reaches 4 and 6
        {2, 0, 22},
        {2, 1999, 22},
        {2, 2000, 21},
        {2, 2999, 21},
        {2, 3000, 20},
        {2, 12670, 20},
        // scene 3 switches when t = elapsed / 1000 reaches 3 and 7
        {3, 2999, 1},
        {3, 3000, 18},
        {3, 6999, 18},
        {3, 7000, 19},
        {4, 5000, 2},
        {5, 5000, 5},
        {6, 5000, 6},
        // scenes 8, 9 and 11 switch only once t exceeds 3
        {8, 3000, 13},
        {8, 3001, 14},
        {9, 3000, 25},
        {9, 3001, 24},
        {10, 0, 23},
        {11, 3000, 15},
        {11, 3001, 16},
        {12, 0, 17},
        {12, 22000, 17},
        {13, 0, -1},
        // an early Enter leaves elapsed near 2^32: each rule picks its last image
        {2, 0xFFFFFFFFu, 20},
        {3, 0xFFFF0000u, 19},
        {7, 0xFFFFFFFFu, 12},
        {8, 0xFFFFFFF0u, 14},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "scene " << c.scene << " elapsed " << c.elapsed);
        EXPECT_EQ(sceneDrawing(c.scene, c.elapsed).image, c.image);
    }
}

TEST(SceneRules, FlipBookStepsEvery500msAndEndsOnImage12) {
    const int expected[] = {7, 8, 7, 8, 9, 8, 9, 10, 11, 10, 11, 10, 9, 10, 9, 8, 10, 9, 10, 11};
    for (int k = 0; k < 20; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(sceneDrawing(7, k * 500u).image, expected[k]);
        EXPECT_EQ(sceneDrawing(7, k * 500u + 499).image, expected[k]);
    }
    EXPECT_EQ(sceneDrawing(7, 9999).image, 11);
    EXPECT_EQ(sceneDrawing(7, 10000).image, 12);
    EXPECT_EQ(sceneDrawing(7, 12000).image, 12);
}

TEST(SceneRules, OnlySceneOneScrollsAndItsPositionIsElapsedOver24Seconds) {
    SceneDrawing d = sceneDrawing(1, 12000);
    EXPECT_TRUE(d.scroller);
    EXPECT_FLOAT_EQ(d.scrollposition, 0.5f);
    EXPECT_FLOAT_EQ(sceneDrawing(1, 0).scrollposition, 0.0f);
    // Entered early by Enter: far past the clamped end of the text.
    EXPECT_NEAR(sceneDrawing(1, 0u - 1000u).scrollposition, 178956.9f, 0.1f);
    for (int s = 0; s <= kSceneCount; ++s) {
        if (s != 1) {
            EXPECT_FALSE(sceneDrawing(s, 1000).scroller) << s;
        }
    }
}

TEST(Frame, EnterEarlyInSceneOneShowsSceneTwoLastImageUntilItsStart) {
    DemoState state;
    planFrame(state, 8000);
    ASSERT_EQ(state.scene, 1);
    handleMessage(state, kKeyEnter, 8000);
    handleMessage(state, kKeyEnter, 8000);
    EXPECT_EQ(state.scene, 2);
    EXPECT_EQ(planFrame(state, 9000).image, 20);
    EXPECT_EQ(planFrame(state, 37999).image, 20);
    EXPECT_EQ(planFrame(state, 38000).image, 22);
    EXPECT_EQ(state.scene, 2);
}

TEST(Keyboard, EnterAndSpaceActOnEverySecondMessageOfTheSharedCounter) {
    DemoState state;
    EXPECT_FALSE(applyKeyMessage(state, kKeySpace)); // key-down: counter 0 -> 1
    EXPECT_TRUE(applyKeyMessage(state, kKeySpace));  // key-up: acts
    EXPECT_EQ(state.keycounter, 2);
    // The counter is shared: a lone Space down then an Enter up makes the Enter act.
    EXPECT_FALSE(applyKeyMessage(state, kKeySpace));
    EXPECT_FALSE(applyKeyMessage(state, kKeyEnter));
    EXPECT_EQ(state.scene, 1);
    EXPECT_EQ(state.keycounter, 4);
    // Other keys neither count nor act.
    EXPECT_FALSE(applyKeyMessage(state, 0));
    EXPECT_FALSE(applyKeyMessage(state, 65));
    EXPECT_EQ(state.keycounter, 4);
    EXPECT_FALSE(state.quit);
    EXPECT_FALSE(applyKeyMessage(state, kKeyEscape));
    EXPECT_TRUE(state.quit);
}

TEST(Keyboard, EnterNeverMovesPastTheEndOfTheTimeline) {
    DemoState state;
    state.scene = 12;
    for (int i = 0; i < 10; ++i) {
        applyKeyMessage(state, kKeyEnter);
    }
    EXPECT_EQ(state.scene, 13);
    planFrame(state, 1000);
    EXPECT_TRUE(state.quit);
}

TEST(Frame, AFrameWithoutAMessageDoesNotReapplyTheLastKey) {
    DemoState state;
    handleMessage(state, kKeyEnter, 100);
    handleMessage(state, kKeyEnter, 100);
    ASSERT_EQ(state.scene, 1);
    for (int i = 0; i < 10; ++i) {
        handleMessage(state, std::nullopt, 200);
    }
    EXPECT_EQ(state.scene, 1);
    EXPECT_EQ(state.keycounter, 2);
}

TEST(Frame, SpacePrintsTheClockOnceAKeystroke) {
    DemoState state;
    testing::internal::CaptureStdout();
    handleMessage(state, kKeySpace, 1234);
    handleMessage(state, kKeySpace, 1250);
    handleMessage(state, std::nullopt, 1300);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "1250\n");
}

} // namespace
