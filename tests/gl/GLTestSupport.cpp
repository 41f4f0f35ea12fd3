#include "GLTestSupport.h"

#include <cstdlib>

testing::AssertionResult GLTest::regionIs(int x0, int y0, int x1, int y1, RGB colour,
                                          int tolerance) const {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const size_t at = (static_cast<size_t>(y) * m_context.width() + x) * 3;
            const RGB p = {m_pixels.at(at), m_pixels.at(at + 1), m_pixels.at(at + 2)};
            for (int c = 0; c < 3; ++c) {
                if (std::abs(p[c] - colour[c]) > tolerance) {
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") from the top is (" << p[0] << ", "
                           << p[1] << ", " << p[2] << "), expected (" << colour[0] << ", "
                           << colour[1] << ", " << colour[2] << ")";
                }
            }
        }
    }
    return testing::AssertionSuccess();
}

void uploadTexture(GLuint name, int width, int height, const std::vector<uint8_t>& pixels) {
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
}

GLint glInteger(GLenum pname) {
    GLint value = 0;
    glGetIntegerv(pname, &value);
    return value;
}
