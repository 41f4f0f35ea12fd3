#include "draw/core/ShaderSource.h"

#include <algorithm>
#include <regex>

namespace afterglow {

namespace {
constexpr std::string_view kDeclarations =
    "#version 100\n"
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
    "uniform vec4 picture_top_first;\n"
    "vec2 upright(vec2 at, float topFirst) {\n"
    "    return vec2(at.x, topFirst > 0.5 ? 1.0 - at.y : at.y);\n"
    "}\n"
    "vec4 picture(int n, vec2 at) {\n"
    "    if (n == 0) return texture2D(picture0, upright(at, picture_top_first.x));\n"
    "    if (n == 1) return texture2D(picture1, upright(at, picture_top_first.y));\n"
    "    if (n == 2) return texture2D(picture2, upright(at, picture_top_first.z));\n"
    "    return texture2D(picture3, upright(at, picture_top_first.w));\n"
    "}\n"
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
    // The first line that tells an error, past any warnings before it; else the first line.
    std::string line(log.substr(0, log.find('\n')));
    for (size_t at = 0; at < log.size();) {
        const size_t end = std::min(log.find('\n', at), log.size());
        const std::string_view candidate = log.substr(at, end - at);
        if (candidate.find("error") != candidate.npos ||
            candidate.find("ERROR") != candidate.npos) {
            line = std::string(candidate);
            break;
        }
        at = end + 1;
    }
    // Mesa's "0:12(3): error: ...", or "ERROR: 0:12: ...": source string 0, then the line.
    static const std::regex numbered(R"(^((?:ERROR: )?)0:([0-9]+)(?:\([0-9]+\))?: (.*)$)");
    std::smatch parts;
    if (!std::regex_match(line, parts, numbered)) {
        return file + ": " + line;
    }
    return file + ":" + parts[2].str() + ": " + parts[1].str() + parts[3].str();
}

} // namespace afterglow
