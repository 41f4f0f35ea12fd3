#include "draw/core/CameraMath.h"

#include <cmath>

namespace afterglow {

float sinDegrees(int32_t degrees) {
    const float pi = 3.14159f; // not the full-precision value, and meant so
    const float radians = static_cast<float>(degrees) * pi / 180.0f;
    return static_cast<float>(std::sin(static_cast<double>(radians)));
}

float squareRoot(float value) {
    return static_cast<float>(std::sqrt(static_cast<double>(value)));
}

void perspectiveEntries(Matrix4& matrix, int32_t fov, float aspect, float zNear, float zFar) {
    const int32_t half = fov / 2;
    const float focal = sinDegrees(90 - half) / sinDegrees(half);
    if (aspect == 0.0f) {
        aspect = 1.0f;
    }
    matrix[0] = focal / aspect;
    matrix[5] = focal;
    matrix[10] = (zNear + zFar) / (zNear - zFar);
    matrix[11] = -1.0f;
    matrix[14] = 2.0f * zNear * zFar / (zNear - zFar);
}

namespace {
float length(Vector3 v) {
    return squareRoot(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vector3 normalised(Vector3 v) {
    float l = length(v);
    return l != 0.0f ? Vector3{v.x / l, v.y / l, v.z / l} : v;
}

Vector3 cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
} // namespace

Matrix4 lookAtRotation(Vector3 eye, Vector3 centre, Vector3 up) {
    const Vector3 forward = normalised({eye.x - centre.x, eye.y - centre.y, eye.z - centre.z});
    Vector3 side = cross(up, forward);
    Vector3 newUp = cross(forward, side); // from side before it is normalised
    side = normalised(side);
    newUp = normalised(newUp);
    return {side.x, newUp.x, forward.x, 0, side.y, newUp.y, forward.y, 0,
            side.z, newUp.z, forward.z, 0, 0,      0,       0,         1};
}

} // namespace afterglow
