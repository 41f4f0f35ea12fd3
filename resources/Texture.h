// Texture: one loaded image and its GL texture object. Owns its pixel buffer (kept after the
// upload until the texture is destroyed) and a GL name of its own, generated when it is made and
// deleted when it is destroyed.
#pragma once

#include "resources/core/TGALoader.h"

#include <GL/gl.h>

#include <cstdint>
#include <string>

class Texture {
  public:
    // Takes over the decoded image's pixels. Needs a current GL context.
    Texture(std::string f, DecodedImage image);
    virtual ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint32_t m_bpp = 0;
    GLenum m_format = 0;
    GLuint m_texid = 0;
    // Decoded pixels, R, G, B (, A), rows in file order; released with free().
    uint8_t* m_imagedata = nullptr;
    std::string m_filename;
    float m_priority = 0.0f;
};

// Decodes the TGA file f (see TGALoader.h) into a new Texture the caller owns, refusing images
// larger than the current context's largest texture; null after the loader's report.
Texture* loadTGAFile(std::string f);
