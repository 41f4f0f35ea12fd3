#include "draw/Camera.h"

#include <GL/gl.h>

using namespace afterglow;

void perspective(int32_t fov, float aspect, float zNear, float zFar) {
    Matrix4 projection = {};
    perspectiveEntries(projection, fov, aspect, zNear, zFar);
    glLoadMatrixf(projection.data());
}

void lookAt(float eyex, float eyey, float eyez, float centrex, float centrey, float centrez,
            float upx, float upy, float upz) {
    Matrix4 rotation =
        lookAtRotation({eyex, eyey, eyez}, {centrex, centrey, centrez}, {upx, upy, upz});
    glMultMatrixf(rotation.data());
    glTranslatef(-eyex, -eyey, -eyez);
}
