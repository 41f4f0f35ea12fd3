/// @file
/// ImageQuads: the timeline's drawing primitives. A textured quad in clip units (the screen spans
/// -1 to 1, texture (0, 0) at the quad's bottom-left, so an image's first stored row runs along the
/// bottom), and the perspective scroller plane that carries the scroll text toward a horizon.
/// The quads leave both matrices as they found them; the scroller replaces both and leaves
/// additive blending on for the rest of the run.
#pragma once

#include <cstdint>

/// Full-screen quad with the texture named slot (0 binds no texture: the current colour shows).
void showImage(int32_t slot);

/// Quad with its bottom-left corner at (x, y) and the given size, in clip units.
void showImageAt(int32_t slot, float x, float y, float width, float height);

/// Loads the scroller's perspective and model-view matrices and turns on additive blending.
void scrollerProjection();

/// Draws the scroll-text plane with the texture named text: texture row position at the near edge
/// and row position - 1 at the far edge; rows outside the texture repeat its clamped edge.
void scrollerPlane(float position, int32_t text);
