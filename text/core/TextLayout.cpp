#include "text/core/TextLayout.h"

namespace {
// Positions are worked in 64 bits: spacing values come from table files and may be anything.
using Units = long long;

int toInt(Units v) {
    return static_cast<int>(v);
}

GlyphQuad glyphQuad(const TextBox& box, const FontMetrics& m, Units px, Units py, signed char c,
                    bool highlight) {
    const int column = c % 16;                     // carries the sign of c
    const int row = c / 16 + (highlight ? 6 : -2); // truncates toward zero
    const Units left = box.x + px, top = box.y + py;
    // The cell's edges: integer products over the constant 256.
    auto edge = [](int cell, int size) { return static_cast<float>(Units{cell} * size) / 256.0f; };
    return {toInt(left),
            toInt(top),
            toInt(left + m.cellWidth),
            toInt(top + m.cellHeight),
            edge(column, m.cellWidth),
            edge(row, m.cellHeight),
            edge(column + 1, m.cellWidth),
            edge(row + 1, m.cellHeight)};
}
} // namespace

void layoutText(const TextBox& box, const std::string& text, const FontMetrics& m,
                const std::function<void(const GlyphQuad&)>& emit) {
    const size_t n = text.size();
    const Units advance = Units{m.cellWidth} + m.xspace;
    const Units lineAdvance = Units{m.cellHeight} + m.yspace;
    size_t i = 0;
    Units px = 0, py = 0;
    bool highlight = false;
    while (i < n) {
        if (text[i] == '\n') {
            px = 0;
            py += lineAdvance;
            ++i;
            continue;
        }
        if (text[i] == ' ') {
            if (px > 0) {
                px += advance;
            }
            ++i;
            continue;
        }
        size_t e = i;
        while (e < n && text[e] != ' ' && text[e] != '\n') {
            ++e;
        }
        if (static_cast<Units>(e - i) * advance > box.width - px) {
            px = 0;
            py += lineAdvance;
        }
        if (py > Units{box.height} - m.cellHeight) {
            return;
        }
        // Draw the word; a marker ends this pass, and the rest is measured again as a word.
        while (i < e) {
            const char c = text[i++];
            if (c == '<' || c == '>') {
                highlight = c == '<';
                break;
            }
            emit(glyphQuad(box, m, px, py, static_cast<signed char>(c), highlight));
            px += advance;
        }
    }
}
