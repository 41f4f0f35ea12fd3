/// @file
/// ScrollerFootprint: where the scroller's plane lies and what of the screen it can cover. The
/// plane runs from its near edge, one unit below the eye and level with it (out of sight), to its
/// far edge, 10 ahead and 8 up, two units wide, seen through a 90-degree perspective of aspect
/// 1.33 whatever the screen's shape: it covers the bottom of the screen from side to side and
/// narrows to 0.075 either side of the centre at 80% of the way up.
#pragma once

#include <vector>

constexpr float kScrollerFarZ = -10.0f;    ///< the far edge's depth, on the far plane
constexpr float kScrollerFarY = 8.0f;      ///< the far edge's height
constexpr float kScrollerNearY = -1.0f;    ///< the near edge's height, at depth 0
constexpr float kScrollerHalfWidth = 1.0f; ///< half the plane's width
constexpr float kScrollerAspect = 1.33f;   ///< the projection's aspect, not the screen's

/// Half the width of the plane at a height on the screen, both in clip units (the screen spans
/// -1 to 1); 0 above the far edge.
float scrollerHalfWidthAt(float y);

/// A rectangle of pixels, rows counted from the bottom as GL counts them.
struct PixelRect {
    int x, y, width, height;
};

/// Rectangles, together holding every pixel of a width x height screen that drawing the plane
/// can change (with two pixels to spare at every edge), in a few bands up the screen.
std::vector<PixelRect> scrollerFootprint(int width, int height);
