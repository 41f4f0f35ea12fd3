/// @file
/// Texture: one loaded image and its GL texture object. Owns its pixel buffer (kept after the
/// upload until the texture is destroyed) and its GL name, the slot number the texture library
/// uploads it under, which it deletes when it is destroyed (a current GL context is needed then).
#pragma once

#include "resources/core/TGALoader.h"

#include <GL/gl.h>

#include <cstdint>
#include <string>

class Texture {
  public:
    /// Takes over the decoded image's pixels, for the GL texture of that name.
    Texture(std::string filename, afterglow::DecodedImage image, GLuint name);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    uint32_t width() const { return m_width; }
    uint32_t height() const { return m_height; }
    uint32_t bpp() const { return m_bpp; }
    GLenum format() const { return m_format; }
    GLuint texId() const { return m_texid; }
    /// Decoded pixels, R, G, B (, A), rows in file order.
    const uint8_t* imageData() const { return m_imagedata.get(); }
    /// Whether the first row of imageData is the picture's top row; else it is the bottom row.
    bool topRowFirst() const { return m_topRowFirst; }
    const std::string& fileName() const { return m_filename; }

  private:
    uint32_t m_width;
    uint32_t m_height;
    uint32_t m_bpp;
    GLenum m_format;
    bool m_topRowFirst;
    GLuint m_texid;
    afterglow::PixelBuffer m_imagedata;
    std::string m_filename;
};
