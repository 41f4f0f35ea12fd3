// Before any header that includes the GL's: the buffer calls are declared only with it.
#define GL_GLEXT_PROTOTYPES
#include "tools/capture/PixelRing.h"

#include <GL/glext.h>

PixelRing::PixelRing(int width, int height) : m_width(width), m_height(height), m_mapped(kBuffers) {
    glGenBuffers(kBuffers, m_buffers);
    for (int b = 0; b < kBuffers; ++b) {
        glBindBuffer(GL_PIXEL_PACK_BUFFER, m_buffers[b]);
        glBufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(bytes()), nullptr,
                     GL_STREAM_READ);
        free.give(b);
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
}
PixelRing::~PixelRing() {
    for (int b = 0; b < kBuffers; ++b) {
        if (m_mapped[b]) {
            glBindBuffer(GL_PIXEL_PACK_BUFFER, m_buffers[b]);
            glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
        }
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    glDeleteBuffers(kBuffers, m_buffers);
}

void PixelRing::read() {
    const int b = free.take();
    glBindBuffer(GL_PIXEL_PACK_BUFFER, m_buffers[b]);
    if (m_mapped[b]) {
        glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    m_mapped[b] = true;
    full.give({b, static_cast<const uint8_t*>(glMapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY))});
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
}
