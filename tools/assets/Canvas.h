// Canvas: a floating-point RGBA picture to paint the default content on, with the few strokes
// the artwork needs, and its conversion to 8-bit TGA pixels with ordered dithering.
#pragma once

#include "tools/common/TGAWriter.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

Colour mix(Colour a, Colour b, float t);
Colour rgb(int hex, float alpha = 1.0f); // 0xRRGGBB

class Canvas {
  public:
    Canvas(int width, int height, Colour fill = {});

    int width() const { return m_width; }
    int height() const { return m_height; }
    Colour& at(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    const Colour& at(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }

    // Blends a colour onto one pixel with the given coverage (0 to 1), alpha included.
    void blend(int x, int y, Colour c, float coverage);
    // Adds light: rgb += colour * amount, alpha untouched.
    void add(int x, int y, Colour c, float amount);

    void verticalGradient(Colour top, Colour bottom);
    void rect(float x0, float y0, float x1, float y1, Colour c);
    // Anti-aliased filled disc and ring.
    void disc(float cx, float cy, float radius, Colour c);
    void ring(float cx, float cy, float radius, float thickness, Colour c);
    // Anti-aliased line of the given width.
    void line(float x0, float y0, float x1, float y1, float width, Colour c);
    // Convex polygon, anti-aliased at its edges.
    void polygon(const std::vector<float>& xy, Colour c);
    // Soft light falling off with the square of the distance, added.
    void glow(float cx, float cy, float radius, Colour c, float intensity = 1.0f);
    // Seeded starfield: points of light with small glows, glows included above the row horizon.
    void stars(int count, uint32_t seed, float brightness, float horizon);
    // Alpha falling from 1 inside the radius fraction to 0 at the corners, along ellipses of
    // the canvas's shape.
    void vignetteAlpha(float inner);

    // The picture at another size, each new pixel the average of the area it covers.
    Canvas resampled(int width, int height) const;

    // 8-bit pixels with a 4x4 ordered dither; bottomup writes the last row first, so that the
    // picture stands upright where the first stored row is drawn at the bottom.
    TGAImage toImage(int bytesPerPixel, bool bottomUp) const;

  private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};
