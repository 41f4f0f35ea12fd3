// Before any header that includes the GL's: the framebuffer calls are declared only with it.
#define GL_GLEXT_PROTOTYPES
#include "tools/capture/ImageLayerCache.h"

#include "app/Frame.h"

#include <GL/glext.h>

ImageLayerCache::ImageLayerCache(int width, int height)
    : m_whole{{0, 0, width, height}}, m_footprint(scrollerFootprint(width, height)) {
    glGenRenderbuffers(1, &m_image);
    glBindRenderbuffer(GL_RENDERBUFFER, m_image);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glGenFramebuffers(1, &m_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_image);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
ImageLayerCache::~ImageLayerCache() {
    glDeleteFramebuffers(1, &m_framebuffer);
    glDeleteRenderbuffers(1, &m_image);
}

namespace {
// How the image's texture treats its top and bottom edges. The scroller clamps its text's, so an
// image that is also a scroller's text draws differently once a scroller has carried it.
GLint edgeMode(const DemoState& state, const SceneDrawing& drawing) {
    GLint mode = 0;
    if (drawing.image >= 0) {
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(state.imageSlots[drawing.image]));
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &mode);
    }
    return mode;
}
} // namespace

void ImageLayerCache::draw(const DemoState& state, const SceneDrawing& drawing) {
    const bool layered = drawing.scroller && glIsEnabled(GL_BLEND) == GL_TRUE;
    const GLint edges = layered ? edgeMode(state, drawing) : 0;
    if (layered && drawing.image == m_layerImage && edges == m_layerEdges) {
        copy(m_framebuffer, 0, m_windowHoldsLayer ? m_footprint : m_whole);
    } else {
        drawSceneImage(state, drawing);
        if (layered) {
            copy(0, m_framebuffer, m_whole);
            m_layerImage = drawing.image;
            m_layerEdges = edges;
        }
    }
    m_windowHoldsLayer = layered;
    drawSceneOverImage(state, drawing);
}

void ImageLayerCache::copy(GLuint from, GLuint to, const std::vector<PixelRect>& rects) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
    for (const PixelRect& r : rects) {
        glBlitFramebuffer(r.x, r.y, r.x + r.width, r.y + r.height, r.x, r.y, r.x + r.width,
                          r.y + r.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
