#include "resources/Texture.h"

#include <cstdlib>
#include <sys/mman.h>
#include <utility>

Texture::Texture(std::string f, GLName name) : m_filename(std::move(f)) {
    if (name == GLName::Generate) {
        glGenTextures(1, &m_texid);
        glBindTexture(GL_TEXTURE_2D, m_texid);
        glPrioritizeTextures(1, &m_texid, &m_priority);
    }
}

Texture::~Texture() {
    if (m_texid != 0) {
        glDeleteTextures(1, &m_texid);
    }
    std::free(m_imagedata);
}

// A fresh buffer costs a page fault per page at its first touch, which for a large image costs
// more than decoding it. Large buffers are asked for in huge pages: 2 MiB aligned, with the
// kernel's advice taken where it is given. The buffer is released with free() either way.
uint8_t* allocatePixelBuffer(uint64_t size) {
    constexpr uint64_t kHugePage = 2u << 20;
    if (size < kHugePage) {
        return static_cast<uint8_t*>(std::malloc(size));
    }
    uint64_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* buffer = std::aligned_alloc(kHugePage, rounded);
    if (buffer != nullptr) {
        madvise(buffer, rounded, MADV_HUGEPAGE);
    }
    return static_cast<uint8_t*>(buffer);
}
