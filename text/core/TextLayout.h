/// @file
/// TextLayout: where the text printer puts each glyph. Lays a byte string out inside a box on the
/// 320 x 200 overlay: words wrap whole at the box's right edge (a word wider than the box runs
/// past it on a line of its own), newlines start lines, leading spaces take no room, and the
/// markers "<" and ">" switch the highlighted glyph set on and off. Wrapping and stopping are
/// decided only where a word starts or resumes after a marker. Pure: no GL.
#pragma once

#include <functional>
#include <string>

struct FontMetrics {
    int cellWidth;  // atlas width / 16
    int cellHeight; // atlas height / 16
    int xspace;     // added to the cell width to advance a glyph or a space
    int yspace;     // added to the cell height to advance a line
};

struct GlyphQuad {
    int left, top, right, bottom; // overlay units
    float s0, t0, s1, t1;         // the glyph's cell in the atlas
};

struct TextBox {
    int x, y, width, height;
};

/// Calls emit for each glyph to draw, in order. Bytes are signed: 128 to 255 count as negative.
void layoutText(const TextBox& box, const std::string& text, const FontMetrics& metrics,
                const std::function<void(const GlyphQuad&)>& emit);
