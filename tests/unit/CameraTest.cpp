#include "draw/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Camera, SineOfDegreesUsesTheShortPi) {
    EXPECT_EQ(sinDegrees(90), 1.0f);
    EXPECT_EQ(sinDegrees(0), 0.0f);
    float s180 = sinDegrees(180);
    EXPECT_NE(s180, 0.0f) << "3.14159 falls short of pi";
    EXPECT_NEAR(s180, 2.65e-6f, 0.2e-6f);
    EXPECT_FLOAT_EQ(sinDegrees(30), 0.49999964f); // sin(0.52359835), short of pi / 6
    EXPECT_FLOAT_EQ(sinDegrees(-90), -1.0f);
    EXPECT_FLOAT_EQ(sinRadians(0.5f), 0.47942555f);
    EXPECT_FLOAT_EQ(squareRoot(2.0f), 1.4142135f);
}

TEST(Camera, PerspectiveFillsFiveEntries) {
    Matrix4 m = {};
    perspectiveEntries(m, 90, 2.0f, 1.0f, 11.0f);
    // cot(45 degrees) through the short pi: sin(45.0000) / sin(45.0000)
    const float focal = sinDegrees(45) / sinDegrees(45);
    EXPECT_FLOAT_EQ(m[0], focal / 2.0f);
    EXPECT_FLOAT_EQ(m[5], focal);
    EXPECT_FLOAT_EQ(m[10], -1.2f);
    EXPECT_FLOAT_EQ(m[11], -1.0f);
    EXPECT_FLOAT_EQ(m[14], -2.2f);
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 12, 13, 15}) {
        EXPECT_EQ(m[i], 0.0f) << i;
    }

    Matrix4 sixty = {};
    perspectiveEntries(sixty, 60, 1.0f, 1.0f, 11.0f);
    EXPECT_FLOAT_EQ(sixty[5], sinDegrees(60) / sinDegrees(30));
    EXPECT_NEAR(sixty[5], std::sqrt(3.0f), 1e-4f);
}

TEST(Camera, PerspectiveHalvesTheFieldOfViewInWholeDegreesAndTakesAspectZeroAsOne) {
    Matrix4 a = {}, b = {}, c = {}, d = {};
    perspectiveEntries(a, 90, 1.5f, 1, 10);
    perspectiveEntries(b, 91, 1.5f, 1, 10);
    EXPECT_EQ(a, b);
    perspectiveEntries(c, 60, 0.0f, 1, 10);
    perspectiveEntries(d, 60, 1.0f, 1, 10);
    EXPECT_EQ(c, d);
}

TEST(Camera, LookAtBuildsTheRotationFromSideUpAndForward) {
    // Eye on +z looking at the origin: the identity rotation.
    Matrix4 identity = lookAtRotation({0, 0, 5}, {0, 0, 0}, {0, 1, 0});
    Matrix4 expected = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(identity[i], expected[i]) << i;
    }
    // Eye on +x looking at the origin: forward (1, 0, 0), side (0, 0, -1), up (0, 1, 0).
    Matrix4 m = lookAtRotation({3, 0, 0}, {0, 0, 0}, {0, 2, 0});
    Matrix4 turned = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(m[i], turned[i]) << i;
    }
}

TEST(Camera, LookAtSurvivesDegenerateVectorsWithoutDividingByZero) {
    Matrix4 same = lookAtRotation({1, 2, 3}, {1, 2, 3}, {0, 1, 0});
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(same[i], 0.0f) << i;
    }
    EXPECT_EQ(same[15], 1.0f);
    // Up parallel to forward: only the forward row is left.
    Matrix4 parallel = lookAtRotation({0, 4, 0}, {0, 0, 0}, {0, 1, 0});
    for (int i : {0, 4, 8, 1, 5, 9}) {
        EXPECT_EQ(parallel[i], 0.0f) << i;
    }
    EXPECT_EQ(parallel[2], 0.0f);
    EXPECT_EQ(parallel[6], 1.0f);
    EXPECT_EQ(parallel[10], 0.0f);
}

} // namespace
