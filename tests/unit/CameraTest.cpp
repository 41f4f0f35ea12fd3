#include "draw/core/CameraMath.h"
#include "draw/core/PlaneView.h"

#include <gtest/gtest.h>

using namespace afterglow;

namespace {

void expectMatrix(const Matrix4& m, const Matrix4& expected) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-4f) << "entry " << i;
    }
}

TEST(Camera, SineOfWholeDegreesFallsShortOfPi) {
    EXPECT_NEAR(sinDegrees(180), 2.65e-6f, 0.2e-6f) << "3.14159, not pi";
    EXPECT_EQ(sinDegrees(90), 1.0f);
}

TEST(Camera, PerspectiveFillsFiveEntriesFromTheHalvedWholeDegreeFieldOfView) {
    Matrix4 m = {};
    perspectiveEntries(m, 90, 2.0f, 1.0f, 11.0f);
    expectMatrix(m, {0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1.2f, -1, 0, 0, -2.2f, 0});
    Matrix4 odd = {}, zeroaspect = {};
    perspectiveEntries(odd, 91, 2.0f, 1.0f, 11.0f);
    EXPECT_EQ(odd, m) << "91 degrees halve to 45 as 90 do";
    perspectiveEntries(zeroaspect, 60, 0.0f, 1.0f, 11.0f);
    EXPECT_NEAR(zeroaspect[0], 1.7320508f, 1e-4f) << "aspect 0 counts as 1";
    EXPECT_NEAR(zeroaspect[5], 1.7320508f, 1e-4f);
}

TEST(Camera, LookAtBuildsTheRotationFromSideUpAndForward) {
    expectMatrix(lookAtRotation({0, 0, 5}, {0, 0, 0}, {0, 1, 0}),
                 {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    // Eye on +x: forward (1, 0, 0), side (0, 0, -1), up (0, 1, 0).
    expectMatrix(lookAtRotation({3, 0, 0}, {0, 0, 0}, {0, 2, 0}),
                 {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1});
    // Degenerate vectors are left unnormalised, never divided by zero.
    expectMatrix(lookAtRotation({1, 2, 3}, {1, 2, 3}, {0, 1, 0}),
                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    expectMatrix(lookAtRotation({0, 4, 0}, {0, 0, 0}, {0, 1, 0}),
                 {0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1});
}

} // namespace

// From the default camera a plane the screen's size fills a screen of any shape, corner to
// corner; one of its own size keeps its shape.
TEST(Camera, ADefaultPlaneFillsTheScreenWhateverItsShape) {
    auto corner = [](const afterglow::Matrix4& m, float x, float y) {
        const float w = m[3] * x + m[7] * y + m[15];
        return std::array{(m[0] * x + m[4] * y + m[12]) / w, (m[1] * x + m[5] * y + m[13]) / w};
    };
    afterglow::PlanePose square;
    square.screenSized = false; // 2 by 2
    for (const float aspect : {1.0f, 16.0f / 9.0f, 4.0f / 3.0f, 0.5f}) {
        SCOPED_TRACE(aspect);
        const afterglow::Matrix4 screen = afterglow::planeToClip({}, {}, aspect);
        const afterglow::Matrix4 own = afterglow::planeToClip({}, square, aspect);
        for (const auto& [x, y] : {std::pair{-1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}}) {
            const std::array<float, 2> at = corner(screen, x, y);
            EXPECT_NEAR(at[0], x, 1e-5f);
            EXPECT_NEAR(at[1], y, 1e-5f);
            EXPECT_NEAR(corner(own, x, y)[0], x / aspect, 1e-5f);
        }
    }
}
