/// @file
/// HeadlessContext: an OpenGL context on an invisible surface of a chosen size, for tests, the
/// capture tool and the examples. Uses SDL's offscreen driver with Mesa's software renderer,
/// so it needs no display and gives the same pixels on every machine.
///
/// ```
/// afterglow::HeadlessContext context(640, 360); // made first: textures live in it
/// if (!context.ok()) { std::fprintf(stderr, "%s\n", context.error().c_str()); return 1; }
/// // ... draw ...
/// std::vector<uint8_t> rgb = context.readPixels(); // top row first
/// ```
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace afterglow {

struct GLSurface;

class HeadlessContext {
  public:
    HeadlessContext(int width, int height);
    ~HeadlessContext();
    HeadlessContext(const HeadlessContext&) = delete;
    HeadlessContext& operator=(const HeadlessContext&) = delete;

    /// False when the context could not be made; error() says why.
    bool ok() const { return m_surface != nullptr; }
    const std::string& error() const { return m_error; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    /// The back buffer as RGB bytes, top row of the screen first.
    std::vector<uint8_t> readPixels() const;

  private:
    int m_width;
    int m_height;
    std::unique_ptr<GLSurface> m_surface; // only platform/ sees inside
    bool m_videoStarted = false;
    std::optional<std::string> m_softwareBefore; // the environment's, given back at the end
    std::string m_error;
};

} // namespace afterglow
