/// @file
/// Camera: a perspective projection and a look-at camera loaded into GL, from the matrices of
/// CameraMath.
///
/// ```
/// glMatrixMode(GL_PROJECTION); glLoadIdentity();
/// perspective(45, 16.0f / 9.0f, 0.1f, 100.0f);
/// glMatrixMode(GL_MODELVIEW); glLoadIdentity();
/// lookAt(0, 1, 5, 0, 0, 0, 0, 1, 0); // eye, centre, up
/// ```
#pragma once

#include "draw/core/CameraMath.h"

/// Loads a perspective projection into the current GL matrix: entries 0, 5, 10, 11 and 14 of
/// perspectiveEntries, every other entry 0.
void perspective(int32_t fov, float aspect, float zNear, float zFar);

/// Multiplies the current GL matrix by lookAtRotation, then translates by the negated eye.
void lookAt(float eyex, float eyey, float eyez, float centrex, float centrey, float centrez,
            float upx, float upy, float upz);
