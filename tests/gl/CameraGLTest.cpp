#include "GLTestSupport.h"

#include "draw/Camera.h"

namespace {

class CameraGL : public GLTest {};

TEST_F(CameraGL, PerspectiveLoadsItsMatrixAndLookAtMultipliesThenTranslates) {
    glMatrixMode(GL_PROJECTION);
    glScalef(3, 3, 3); // replaced, not multiplied
    perspective(60, 1.5f, 1.0f, 100.0f);
    GLfloat loaded[16];
    glGetFloatv(GL_PROJECTION_MATRIX, loaded);
    EXPECT_TRUE(std::equal(loaded, loaded + 16, ProjectionMatrix.begin()));
    EXPECT_FLOAT_EQ(ProjectionMatrix[5], sinDegrees(60) / sinDegrees(30));

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 0, 0);
    lookAt(3, 0, 0, 0, 0, 0, 0, 1, 0);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // translate(1,0,0) * rotation(side (0,0,-1), up (0,1,0), forward (1,0,0)) * translate(-3,0,0)
    const float expected[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 1, 0, -3, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-6f) << i;
    }
}

} // namespace
