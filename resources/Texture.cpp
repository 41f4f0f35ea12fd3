#include "resources/Texture.h"

#include <utility>

using namespace afterglow;

Texture::Texture(std::string filename, DecodedImage image, GLuint name)
    : m_width(image.width), m_height(image.height), m_bpp(image.bpp),
      m_format(image.bpp == 24 ? GL_RGB : GL_RGBA), m_topRowFirst(image.topRowFirst), m_texid(name),
      m_imagedata(std::move(image.pixels)), m_filename(std::move(filename)) {}

Texture::~Texture() {
    glDeleteTextures(1, &m_texid);
}
