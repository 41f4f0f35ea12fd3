/// @file
/// ImageQuads: the timeline's drawing primitives. A textured quad in clip units (the screen spans
/// -1 to 1, texture (0, 0) at the quad's bottom-left, so an image's first stored row runs along the
/// bottom), and the perspective scroller plane that carries the scroll text toward a horizon.
/// The quads leave both matrices as they found them; the scroller replaces both and leaves
/// additive blending on for the rest of the run.
///
/// ```
/// showImage(loadTexture("data/stjerner.tga", 0.0f)); // the whole screen
/// showImageAt(slot, -0.5f, -0.5f, 1.0f, 1.0f);        // the middle quarter
/// ```
#pragma once

#include "draw/core/PicturePlace.h"
#include "draw/core/PlaneView.h"

#include <cstdint>

/// Full-screen quad with the texture named slot (0 binds no texture: the current colour shows).
void showImage(int32_t slot);

/// Quad with its bottom-left corner at (x, y) and the given size, in clip units.
void showImageAt(int32_t slot, float x, float y, float width, float height);

/// A picture placed as a layer: the part place.picture of the texture named slot, upright (its
/// rows top first when topRowFirst, else bottom first) in place.screen, at opacity alpha over
/// what is drawn (and by its own alpha channel when translucent), its edges clamped rather than
/// wrapped. Leaves the blending as it found it.
void showPicture(int32_t slot, const afterglow::PicturePlace& place, bool topRowFirst,
                 bool translucent, float alpha);

/// A picture on a plane in 3D: the texture named slot, upright, over the plane's square (x and y
/// from -1 to 1) carried to clip units by planeToClip (see PlaneView.h), at opacity alpha, its
/// edges clamped. Nothing reads or writes depth: planes cover each other in the order drawn.
void showPlane(int32_t slot, const afterglow::Matrix4& planeToClip, bool topRowFirst,
               bool translucent, float alpha);

/// A plain colour (red, green, blue from 0 to 1) over the box, at opacity alpha.
void showColour(const afterglow::Rect& box, const float (&colour)[3], float alpha);

/// Loads the scroller's perspective and model-view matrices and turns on additive blending.
void scrollerProjection();

/// Draws the scroll-text plane with the texture named text: texture row position at the near edge
/// and row position - 1 at the far edge; rows outside the texture repeat its clamped edge.
void scrollerPlane(float position, int32_t text);
