#include "draw/core/PicturePlace.h"

namespace afterglow {

PicturePlace placePicture(const Rect& box, Fit fit, float pictureAspect, float screenAspect) {
    PicturePlace place{box, {0.0f, 0.0f, 1.0f, 1.0f}};
    if (fit == Fit::Stretch || !(box.width > 0.0f && box.height > 0.0f) ||
        !(pictureAspect > 0.0f) || !(screenAspect > 0.0f)) {
        return place;
    }
    const float boxAspect = box.width * screenAspect / box.height;
    // How much wider the picture is than the box, shapes compared.
    const float wider = pictureAspect / boxAspect;
    if (wider > 1.0f && fit == Fit::Contain) {
        place.screen.height = box.height / wider;
        place.screen.y += (box.height - place.screen.height) / 2.0f;
    } else if (wider > 1.0f) {
        place.picture.width = 1.0f / wider;
        place.picture.x = (1.0f - place.picture.width) / 2.0f;
    } else if (fit == Fit::Contain) {
        place.screen.width = box.width * wider;
        place.screen.x += (box.width - place.screen.width) / 2.0f;
    } else {
        place.picture.height = wider;
        place.picture.y = (1.0f - place.picture.height) / 2.0f;
    }
    return place;
}

} // namespace afterglow
