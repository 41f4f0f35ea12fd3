#include "draw/Camera.h"

#include <GL/gl.h>

void perspective(int32_t fov, float aspect, float znear, float zfar) {
    Matrix4 projection = {};
    perspectiveEntries(projection, fov, aspect, znear, zfar);
    glLoadMatrixf(projection.data());
}

void lookAt(float eyex, float eyey, float eyez, float centrex, float centrey, float centrez,
            float upx, float upy, float upz) {
    Matrix4 rotation =
        lookAtRotation({eyex, eyey, eyez}, {centrex, centrey, centrez}, {upx, upy, upz});
    glMultMatrixf(rotation.data());
    glTranslatef(-eyex, -eyey, -eyez);
}
