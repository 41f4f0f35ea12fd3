/// @file
/// PicturePlace: where a picture goes in a box on the screen, and which part of it shows, for the
/// three ways a picture can fill a box. Pure: no GL.
///
/// ```
/// // A 4:3 picture kept whole in the screen's right half, on a 16:9 screen.
/// const afterglow::PicturePlace place =
///     afterglow::placePicture({0.5f, 0, 0.5f, 1}, afterglow::Fit::Contain, 4.0f / 3, 16.0f / 9);
/// ```
#pragma once

#include <cstdint>

namespace afterglow {

// A rectangle in fractions of the screen or of a picture, from the top-left corner.
struct Rect {
    float x, y, width, height;
};

// How a picture fills its box: stretched to it, whole inside it (keeping its shape, centred), or
// covering it (keeping its shape, centred, its overhang cut off).
enum class Fit : uint8_t { Stretch, Contain, Cover };

struct PicturePlace {
    Rect screen;  // where it is drawn
    Rect picture; // the part of the picture drawn there
};

// Aspects are width over height in pixels; a degenerate box or picture is stretched.
PicturePlace placePicture(const Rect& box, Fit fit, float pictureAspect, float screenAspect);

} // namespace afterglow
