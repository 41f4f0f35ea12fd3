/// @file
/// ShaderSource: the text of a shader layer's programs. A scene writer's fragment shader is
/// written in the GLSL that also compiles as GLSL ES 1.00 (so that the same file runs in a
/// browser); the lines put before it declare what it is given:
///
/// ```
/// uniform float time;        // seconds on the clock
/// uniform float scene_time;  // seconds into the scene
/// uniform float beat;        // beats past the first beat (0 without a tempo)
/// uniform vec2 resolution;   // the layer's box in pixels
/// uniform sampler2D picture0, picture1, picture2, picture3; // the layer's pictures, as stored
/// varying vec2 uv;           // 0 to 1 across the box, from its bottom-left corner
/// vec4 picture(int n, vec2 at); // picture n at at (0 to 1 from its bottom-left), upright
/// ```
///
/// A sampler's row 0 is the picture's first stored row, its top in most files: picture() turns
/// those over, so that picture(0, uv) shows picture0 upright over the box.
///
/// and the file's own lines keep their numbers in the driver's messages.
#pragma once

#include <string>
#include <string_view>

namespace afterglow {

/// The fragment shader's whole text: the declarations, then the file's text from its line 1.
std::string shaderLayerFragment(std::string_view fileText);

/// The vertex shader every shader layer shares: attribute 0 ("corner") is the corner in clip
/// units, attribute 1 ("place") the corner's uv, 0 to 1 across the box.
extern const char* const kShaderLayerVertex;

/// The driver's log of a failed compile or link as one line: FILE:LINE: its first message
/// (Mesa writes "0:LINE(COLUMN): error: ..."); the log's first line as it is where it names no
/// line.
std::string shaderReport(const std::string& file, std::string_view log);

} // namespace afterglow
