#include "GLTestSupport.h"

#include "draw/Camera.h"

namespace {

class CameraGL : public GLTest {};

TEST_F(CameraGL, LookAtMultipliesTheCurrentMatrixThenTranslates) {
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
