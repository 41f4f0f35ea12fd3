// Support for render tests: a headless context per test, textures of known colours, and pixel
// checks that name the first pixel that differs.
#pragma once

#include "platform/HeadlessContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using RGB = std::array<int, 3>;

class GLTest : public testing::Test {
  protected:
    explicit GLTest(int width = 64, int height = 64) : m_context(width, height) {}
    void SetUp() override { ASSERT_TRUE(m_context.ok()) << m_context.error(); }

    // Reads the back buffer; later regionIs() calls look at this frame, which frame() gives.
    void grab() { m_pixels = m_context.readPixels(); }
    const std::vector<uint8_t>& frame() const { return m_pixels; }
    // Every pixel of the rectangle (x from x0, y from y0 counted from the top of the screen, up to
    // x1 and y1) within tolerance of the colour; on failure names the first differing pixel.
    testing::AssertionResult regionIs(int x0, int y0, int x1, int y1, RGB colour,
                                      int tolerance = 2) const;

  private:
    afterglow::HeadlessContext m_context;
    std::vector<uint8_t> m_pixels;
};

// Uploads RGB pixels (first row first) under a chosen texture name with nearest filtering.
void uploadTexture(GLuint name, int width, int height, const std::vector<uint8_t>& pixels);

GLint glInteger(GLenum pname);
