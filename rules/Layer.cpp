#include "rules/Layer.h"

#include <cmath>

using namespace afterglow;

namespace {
Vector3 vectorAt(const std::array<Track, 3>& tracks, uint32_t elapsed) {
    return {static_cast<float>(tracks[0].at(elapsed)), static_cast<float>(tracks[1].at(elapsed)),
            static_cast<float>(tracks[2].at(elapsed))};
}
} // namespace

LayerDrawing Layer::at(uint32_t elapsed) const {
    LayerDrawing drawing{kind, image, fit, colour, text, font};
    drawing.size = static_cast<float>(size.at(elapsed));
    for (size_t n = 0; n < box.size(); ++n) {
        drawing.box[n] = static_cast<float>(box[n].at(elapsed));
    }
    drawing.alpha = static_cast<float>(alpha.at(elapsed));
    drawing.shader = shader;
    drawing.pictures = pictures;
    if (kind == LayerKind::Plane) {
        drawing.plane.position = vectorAt(position, elapsed);
        drawing.plane.rotation = vectorAt(rotation, elapsed);
        drawing.plane.width = static_cast<float>(planeSize[0].at(elapsed));
        drawing.plane.height = static_cast<float>(planeSize[1].at(elapsed));
        drawing.plane.screenSized = !planeSized;
    }
    return drawing;
}

CameraPose SceneCamera::at(uint32_t elapsed) const {
    CameraPose pose;
    pose.fov = static_cast<int32_t>(std::lround(fov.at(elapsed)));
    pose.eye = eyeGiven ? vectorAt(eye, elapsed) : Vector3{0.0f, 0.0f, screenDistance(pose.fov)};
    pose.target = vectorAt(target, elapsed);
    pose.up = vectorAt(up, elapsed);
    return pose;
}
