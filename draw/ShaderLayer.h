/// @file
/// ShaderLayer: a scene writer's fragment shader drawn over a box, given the clock, the beat, the
/// box's size and up to four pictures (see ShaderSource.h for what it declares). A program that
/// does not build keeps the one built before; until one has built, nothing draws.
///
/// ```
/// afterglow::ShaderLayer plasma;
/// std::string log;
/// if (!plasma.build(fileText, log)) std::fprintf(stderr, "%s\n",
///     afterglow::shaderReport("plasma.frag", log).c_str());
/// plasma.draw({0, 0, 1, 1}, {seconds, seconds, 0}, {slot, 0, 0, 0}, {true}, 1.0f);
/// ```
#pragma once

#include "draw/core/PicturePlace.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace afterglow {

struct ShaderClock {
    float time = 0.0f;      // seconds on the clock
    float sceneTime = 0.0f; // seconds into the scene
    float beat = 0.0f;      // beats past the first beat
};

class ShaderLayer {
  public:
    ShaderLayer() = default;
    ~ShaderLayer();
    ShaderLayer(const ShaderLayer&) = delete;
    ShaderLayer& operator=(const ShaderLayer&) = delete;
    ShaderLayer(ShaderLayer&& other) noexcept;
    ShaderLayer& operator=(ShaderLayer&& other) noexcept;

    /// Compiles and links the file's text with the declarations before it; on failure keeps
    /// the program built before and gives the driver's log.
    bool build(std::string_view fileText, std::string& log);
    bool built() const { return m_program != 0; }

    /// Draws over the box (screen fractions from the top-left) at opacity alpha (the alpha the
    /// shader writes is not looked at), the textures named pictures (0 for none) as picture0 to
    /// picture3, each stored top row first or not (topFirst), as picture() turns them upright.
    /// Leaves GL as it found it.
    void draw(const Rect& box, const ShaderClock& clock, const std::array<int32_t, 4>& pictures,
              const std::array<bool, 4>& topFirst, float alpha) const;

  private:
    unsigned m_program = 0;
};

} // namespace afterglow
