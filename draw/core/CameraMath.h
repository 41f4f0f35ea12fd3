/// @file
/// CameraMath: single-precision helpers for 3D views without GLU: sine in whole degrees (with
/// the constant 3.14159), sine in radians, square root, and the matrices of a perspective
/// projection and a look-at camera. Plain functions; Camera hands the matrices to GL.
///
/// ```
/// afterglow::Matrix4 projection{};
/// afterglow::perspectiveEntries(projection, 45, 16.0f / 9.0f, 0.1f, 100.0f);
/// const afterglow::Matrix4 view = afterglow::lookAtRotation({0, 1, 5}, {0, 0, 0}, {0, 1, 0});
/// ```
#pragma once

#include <array>
#include <cstdint>

namespace afterglow {

using Matrix4 = std::array<float, 16>; // column-major, as OpenGL takes it

float sinDegrees(int32_t degrees);
float squareRoot(float value);

/// Entries 0, 5, 10, 11 and 14 of a perspective projection with a field of view in whole
/// degrees (halved in integer arithmetic); an aspect of 0 counts as 1.
void perspectiveEntries(Matrix4& matrix, int32_t fov, float aspect, float zNear, float zFar);

struct Vector3 {
    float x, y, z;
};

/// The camera rotation whose rows are side, up and forward (forward pointing from the centre to
/// the eye); a zero-length vector is left unnormalised rather than divided by zero.
Matrix4 lookAtRotation(Vector3 eye, Vector3 centre, Vector3 up);

} // namespace afterglow
