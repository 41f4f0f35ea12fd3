// Texture: one loaded image and its GL texture object. Owns its pixel buffer (from the heap, kept
// after the upload until the texture is destroyed) and a GL name of its own, generated when it is
// made and deleted when it is destroyed.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>

class Texture {
  public:
    // Whether the texture takes a GL name of its own. Decoding without a GL context (tests,
    // fuzzing) makes textures without one.
    enum class GLName { Generate, None };

    explicit Texture(std::string f, GLName name = GLName::Generate);
    virtual ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint32_t m_bpp = 0;
    GLenum m_format = 0;
    GLuint m_texid = 0;
    // Decoded pixels, R, G, B (, A), rows in file order; from allocatePixelBuffer.
    uint8_t* m_imagedata = nullptr;
    std::string m_filename;
    float m_priority = 0.0f;
};

// A pixel buffer of size bytes for m_imagedata, or null when there is no memory for it. A Texture
// releases it with free().
uint8_t* allocatePixelBuffer(uint64_t size);
