#pragma once

#include "draw/core/ScrollerFootprint.h"
#include "rules/DemoState.h"
#include "rules/SceneTimeline.h"

#include <GL/gl.h>

// The picture under the scroller (the cleared screen and its image, the same in every frame of
// scene 1 once blending is on) costs more to draw than the scroller itself. It is drawn once,
// kept in a framebuffer object, and copied back into the window for each frame, which then only
// draws the scroller. Frames are still drawn in the window: a framebuffer object is rasterised
// the other way up, and its pixels differ in the last bit here and there. While the window holds
// the picture from the frame before, only what the scroller can cover is copied back: at 2160p
// the copy costs more than the scroller.
class ImageLayerCache {
  public:
    ImageLayerCache(int width, int height);
    ~ImageLayerCache();
    ImageLayerCache(const ImageLayerCache&) = delete;
    ImageLayerCache& operator=(const ImageLayerCache&) = delete;

    void draw(const DemoState& state, const SceneDrawing& drawing);

  private:
    void copy(GLuint from, GLuint to, const std::vector<PixelRect>& rects);
    std::vector<PixelRect> m_whole, m_footprint;
    bool m_windowHoldsLayer = false; // outside the footprint, since the last frame
    GLuint m_image = 0, m_framebuffer = 0;
    int m_layerImage = -2;  // the image under the scroller the cache holds; none yet
    GLint m_layerEdges = 0; // its texture's edge mode when it was drawn
};
