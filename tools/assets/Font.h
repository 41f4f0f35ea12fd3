// Font: a TrueType font from the system, rasterised with stb_truetype, for text on the default
// content and for the printer's glyph atlases.
#pragma once

#include "tools/assets/Canvas.h"

#include <string>
#include <vector>

class Font {
  public:
    // Loads the file; ok() says whether it could be read and parsed.
    explicit Font(const std::string& path);
    bool ok() const { return m_ok; }

    // Width in pixels of the text at the given pixel height.
    float measure(const std::string& text, float height) const;
    // Draws the text with its baseline at y, starting at x.
    void draw(Canvas& canvas, float x, float y, const std::string& text, float height,
              Colour colour) const;
    void drawCentred(Canvas& canvas, float cx, float y, const std::string& text, float height,
                     Colour colour) const;
    // The glyph's coverage (0 to 1) in a cell, centred across it, the face scaled so that all
    // its glyphs stand on one baseline inside a clear margin of that many pixels.
    std::vector<float> cell(int codepoint, int cellWidth, int cellHeight, int margin) const;

  private:
    std::vector<unsigned char> m_data;
    std::vector<unsigned char> m_info; // stbtt_fontinfo, kept opaque here
    bool m_ok = false;
};
