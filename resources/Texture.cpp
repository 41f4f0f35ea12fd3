#include "resources/Texture.h"

#include <cstdlib>
#include <utility>

Texture::Texture(std::string f, DecodedImage image)
    : m_width(image.width), m_height(image.height), m_bpp(image.bpp),
      m_format(image.bpp == 24 ? GL_RGB : GL_RGBA), m_imagedata(image.pixels.release()),
      m_filename(std::move(f)) {
    glGenTextures(1, &m_texid);
    glBindTexture(GL_TEXTURE_2D, m_texid);
    glPrioritizeTextures(1, &m_texid, &m_priority);
}

Texture::~Texture() {
    glDeleteTextures(1, &m_texid);
    std::free(m_imagedata);
}

Texture* loadTGAFile(std::string f) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    DecodedImage image;
    if (!readTGAFile(f, largest > 0 ? static_cast<uint32_t>(largest) : kLargestTextureSide,
                     image)) {
        return nullptr;
    }
    return new Texture(std::move(f), std::move(image));
}
