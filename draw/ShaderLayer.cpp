#define GL_GLEXT_PROTOTYPES 1
#include "draw/ShaderLayer.h"

#include "draw/core/ShaderSource.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <utility>

namespace afterglow {

namespace {
std::string infoLog(GLuint object, bool program) {
    GLint length = 0;
    (program ? glGetProgramiv : glGetShaderiv)(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(length > 0 ? length : 1), '\0');
    (program ? glGetProgramInfoLog : glGetShaderInfoLog)(object, static_cast<GLsizei>(log.size()),
                                                         nullptr, log.data());
    log.resize(log.find('\0') == std::string::npos ? log.size() : log.find('\0'));
    return log;
}

GLuint compiled(GLenum kind, const std::string& text, std::string& log) {
    const GLuint shader = glCreateShader(kind);
    // With its length: a NUL byte in the file is the compiler's to refuse, not an end.
    const char* source = text.c_str();
    const auto length = static_cast<GLint>(text.size());
    glShaderSource(shader, 1, &source, &length);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        log = infoLog(shader, false);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}
} // namespace

ShaderLayer::~ShaderLayer() {
    if (m_program != 0) {
        glDeleteProgram(m_program);
    }
}

ShaderLayer::ShaderLayer(ShaderLayer&& other) noexcept
    : m_program(std::exchange(other.m_program, 0)) {}

ShaderLayer& ShaderLayer::operator=(ShaderLayer&& other) noexcept {
    std::swap(m_program, other.m_program);
    return *this;
}

bool ShaderLayer::build(std::string_view fileText, std::string& log) {
    const GLuint vertex = compiled(GL_VERTEX_SHADER, kShaderLayerVertex, log);
    const GLuint fragment =
        vertex != 0 ? compiled(GL_FRAGMENT_SHADER, shaderLayerFragment(fileText), log) : 0;
    if (fragment == 0) {
        glDeleteShader(vertex);
        return false;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glBindAttribLocation(program, 0, "corner");
    glBindAttribLocation(program, 1, "place");
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        log = infoLog(program, true);
        glDeleteProgram(program);
        return false;
    }
    if (m_program != 0) {
        glDeleteProgram(m_program);
    }
    m_program = program;
    return true;
}

void ShaderLayer::draw(const Rect& box, const ShaderClock& clock,
                       const std::array<int32_t, 4>& pictures, const std::array<bool, 4>& topFirst,
                       float alpha) const {
    if (m_program == 0) {
        return;
    }
    GLint viewport[4] = {0, 0, 1, 1};
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glUseProgram(m_program);
    glUniform1f(glGetUniformLocation(m_program, "time"), clock.time);
    glUniform1f(glGetUniformLocation(m_program, "scene_time"), clock.sceneTime);
    glUniform1f(glGetUniformLocation(m_program, "beat"), clock.beat);
    glUniform2f(glGetUniformLocation(m_program, "resolution"),
                box.width * static_cast<float>(viewport[2]),
                box.height * static_cast<float>(viewport[3]));
    for (int n = 0; n < 4; ++n) {
        const char name[] = {'p', 'i', 'c', 't', 'u', 'r', 'e', static_cast<char>('0' + n), '\0'};
        glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + n));
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(pictures[static_cast<size_t>(n)]));
        glUniform1i(glGetUniformLocation(m_program, name), n);
    }
    glActiveTexture(GL_TEXTURE0);
    glUniform4f(glGetUniformLocation(m_program, "picture_top_first"), topFirst[0] ? 1.0f : 0.0f,
                topFirst[1] ? 1.0f : 0.0f, topFirst[2] ? 1.0f : 0.0f, topFirst[3] ? 1.0f : 0.0f);
    // The layer's opacity, through the blend colour; the alpha the shader writes is not looked at.
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, alpha);
    glBlendFuncSeparate(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA, GL_ZERO, GL_ONE);
    // The box in clip units, from its bottom-left corner.
    const float x0 = 2.0f * box.x - 1.0f, x1 = x0 + 2.0f * box.width;
    const float y0 = 1.0f - 2.0f * (box.y + box.height), y1 = y0 + 2.0f * box.height;
    // Attribute 0 last at each corner: setting it makes the vertex.
    glBegin(GL_QUADS);
    glVertexAttrib2f(1, 0.0f, 0.0f);
    glVertexAttrib2f(0, x0, y0);
    glVertexAttrib2f(1, 1.0f, 0.0f);
    glVertexAttrib2f(0, x1, y0);
    glVertexAttrib2f(1, 1.0f, 1.0f);
    glVertexAttrib2f(0, x1, y1);
    glVertexAttrib2f(1, 0.0f, 1.0f);
    glVertexAttrib2f(0, x0, y1);
    glEnd();
    glUseProgram(static_cast<GLuint>(previous));
    glPopAttrib();
}

} // namespace afterglow
