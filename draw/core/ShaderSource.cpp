#include "draw/core/ShaderSource.h"

#include <regex>

namespace afterglow {

namespace {
constexpr std::string_view kDeclarations = "#version 100\n"
                                           "precision mediump float;\n"
                                           "uniform float time;\n"
                                           "uniform float scene_time;\n"
                                           "uniform float beat;\n"
                                           "uniform vec2 resolution;\n"
                                           "uniform sampler2D picture0;\n"
                                           "uniform sampler2D picture1;\n"
                                           "uniform sampler2D picture2;\n"
                                           "uniform sampler2D picture3;\n"
                                           "varying vec2 uv;\n"
                                           "#line 1\n";
} // namespace

const char* const kShaderLayerVertex = "#version 100\n"
                                       "attribute vec2 corner;\n"
                                       "attribute vec2 place;\n"
                                       "varying vec2 uv;\n"
                                       "void main() {\n"
                                       "    uv = place;\n"
                                       "    gl_Position = vec4(corner, 0.0, 1.0);\n"
                                       "}\n";

std::string shaderLayerFragment(std::string_view fileText) {
    return std::string(kDeclarations) + std::string(fileText);
}

std::string shaderReport(const std::string& file, std::string_view log) {
    const std::string line(log.substr(0, log.find('\n')));
    // Mesa's "0:12(3): error: ...", or "ERROR: 0:12: ...": source string 0, then the line.
    static const std::regex numbered(R"(^((?:ERROR: )?)0:([0-9]+)(?:\([0-9]+\))?: (.*)$)");
    std::smatch parts;
    if (!std::regex_match(line, parts, numbered)) {
        return file + ": " + line;
    }
    return file + ":" + parts[2].str() + ": " + parts[1].str() + parts[3].str();
}

} // namespace afterglow
