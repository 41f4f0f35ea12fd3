/// @file
/// TextPrinter: draws text over the frame on a fixed 320 x 200 overlay (x from the left, y from
/// the top, whatever the window's size), word-wrapped inside a box, with a font of the current font
/// set (see FontSet.h). Glyphs show the current colour modulated by the atlas; they blend only if
/// the scene left blending on. After a print the enables, matrices, matrix mode and viewport are as
/// before; the blend function stays (source alpha, one minus source alpha) and the atlas stays
/// bound.
///
/// ```
/// glEnable(GL_BLEND);
/// printText(16, 16, 288, 120, "Words wrap in the box, and a <highlighted> word stands out.", 0);
/// ```
#pragma once

#include <string>

/// Draws text in the box with font index font; the current font index is the same afterwards.
/// A font index outside the font list raises std::out_of_range and draws nothing.
void printText(int x, int y, int width, int height, const std::string& text, int font);

/// The same with the current font index.
void drawText(int x, int y, int width, int height, const std::string& text);

/// printText at size times the glyphs' usual size: on an overlay of 320 / size x 200 / size
/// units, in which the box is given.
void printTextSized(float size, int x, int y, int width, int height, const std::string& text,
                    int font);

/// The overlay's GL state around the drawing; always called as a pair.
void beginOverlay();
void endOverlay();
