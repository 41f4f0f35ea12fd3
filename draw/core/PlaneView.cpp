#include "draw/core/PlaneView.h"

#include <cmath>

namespace afterglow {

namespace {
constexpr float kNear = 0.01f, kFar = 1000.0f;

Matrix4 product(const Matrix4& a, const Matrix4& b) {
    Matrix4 m{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + row] * b[column * 4 + k];
            }
            m[column * 4 + row] = sum;
        }
    }
    return m;
}

Matrix4 identity() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matrix4 translation(Vector3 v) {
    Matrix4 m = identity();
    m[12] = v.x, m[13] = v.y, m[14] = v.z;
    return m;
}

// A turn of degrees about one axis (0 x, 1 y, 2 z), as glRotatef makes it.
Matrix4 turn(float degrees, int axis) {
    const double radians = static_cast<double>(degrees) * 3.14159265358979323846 / 180.0;
    const auto c = static_cast<float>(std::cos(radians));
    const auto s = static_cast<float>(std::sin(radians));
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    Matrix4 m = identity();
    m[a * 4 + a] = c, m[b * 4 + a] = -s;
    m[a * 4 + b] = s, m[b * 4 + b] = c;
    return m;
}
} // namespace

float screenDistance(int32_t fov) {
    Matrix4 projection{};
    perspectiveEntries(projection, fov, 1.0f, kNear, kFar);
    return projection[5];
}

bool operator==(const Vector3& a, const Vector3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool operator==(const CameraPose& a, const CameraPose& b) {
    return a.eye == b.eye && a.target == b.target && a.up == b.up && a.fov == b.fov;
}

bool operator==(const PlanePose& a, const PlanePose& b) {
    return a.position == b.position && a.rotation == b.rotation && a.width == b.width &&
           a.height == b.height && a.screenSized == b.screenSized;
}

Matrix4 planeToClip(const CameraPose& camera, const PlanePose& plane, float aspect) {
    Matrix4 projection{};
    perspectiveEntries(projection, camera.fov, aspect, kNear, kFar);
    const Vector3 eye = camera.eye;
    const Matrix4 view = product(lookAtRotation(eye, camera.target, camera.up),
                                 translation({-eye.x, -eye.y, -eye.z}));
    Matrix4 scale = identity();
    scale[0] = (plane.screenSized ? 2.0f * (aspect == 0.0f ? 1.0f : aspect) : plane.width) / 2;
    scale[5] = (plane.screenSized ? 2.0f : plane.height) / 2;
    const Vector3 r = plane.rotation;
    const Matrix4 model =
        product(product(product(translation(plane.position), turn(r.x, 0)), turn(r.y, 1)),
                product(turn(r.z, 2), scale));
    return product(projection, product(view, model));
}

} // namespace afterglow
