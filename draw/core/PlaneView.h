/// @file
/// PlaneView: a picture on a rectangle placed in 3D, seen through a look-at camera. One matrix
/// takes the plane's own square (x and y from -1 to 1) to clip units: the camera's perspective
/// and lookAt (as Camera loads them) after the plane's place, its turn and its size.
///
/// ```
/// afterglow::CameraPose camera;               // the default: looking down -z at the origin
/// afterglow::PlanePose plane;                 // the whole screen, square on
/// plane.rotation = {0, 30, 0};                // turned 30 degrees about y
/// const afterglow::Matrix4 m = afterglow::planeToClip(camera, plane, 16.0f / 9.0f);
/// ```
#pragma once

#include "draw/core/CameraMath.h"

namespace afterglow {

/// The distance from the eye at which a height of 2 (y from -1 to 1) just fills a view of fov
/// whole degrees: where the default camera stands.
float screenDistance(int32_t fov);

struct CameraPose {
    Vector3 eye{0.0f, 0.0f, screenDistance(60)};
    Vector3 target{0.0f, 0.0f, 0.0f};
    Vector3 up{0.0f, 1.0f, 0.0f};
    int32_t fov = 60; // whole degrees, as perspective takes it
};

struct PlanePose {
    Vector3 position{0.0f, 0.0f, 0.0f};
    Vector3 rotation{0.0f, 0.0f, 0.0f}; // degrees about x, y and z, turned about z first
    /// Width and height; with screenSized, the screen's (2 x aspect by 2), so that from the
    /// default camera the plane fills it.
    float width = 2.0f, height = 2.0f;
    bool screenSized = true;
};

bool operator==(const Vector3& a, const Vector3& b);
bool operator==(const CameraPose& a, const CameraPose& b);
bool operator==(const PlanePose& a, const PlanePose& b);

/// The matrix (column-major) from the plane's square to clip units on a screen of that aspect
/// (width over height); near and far planes at 0.01 and 1000.
Matrix4 planeToClip(const CameraPose& camera, const PlanePose& plane, float aspect);

} // namespace afterglow
