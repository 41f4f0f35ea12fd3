#include "tools/assets/Font.h"

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {
const stbtt_fontinfo* infoOf(const std::vector<unsigned char>& storage) {
    return reinterpret_cast<const stbtt_fontinfo*>(storage.data());
}
} // namespace

Font::Font(const std::string& path) : m_info(sizeof(stbtt_fontinfo)) {
    std::ifstream in(path, std::ios::binary);
    m_data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    auto* info = reinterpret_cast<stbtt_fontinfo*>(m_info.data());
    m_ok = !m_data.empty() &&
           stbtt_InitFont(info, m_data.data(), stbtt_GetFontOffsetForIndex(m_data.data(), 0)) != 0;
}

float Font::measure(const std::string& text, float height) const {
    const stbtt_fontinfo* info = infoOf(m_info);
    float scale = stbtt_ScaleForPixelHeight(info, height), width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        int advance, bearing;
        stbtt_GetCodepointHMetrics(info, static_cast<unsigned char>(text[i]), &advance, &bearing);
        width += advance * scale;
        if (i + 1 < text.size()) {
            width +=
                scale * stbtt_GetCodepointKernAdvance(info, static_cast<unsigned char>(text[i]),
                                                      static_cast<unsigned char>(text[i + 1]));
        }
    }
    return width;
}

void Font::draw(Canvas& canvas, float x, float y, const std::string& text, float height,
                Colour colour) const {
    const stbtt_fontinfo* info = infoOf(m_info);
    float scale = stbtt_ScaleForPixelHeight(info, height);
    float pen = x;
    for (size_t i = 0; i < text.size(); ++i) {
        int codepoint = static_cast<unsigned char>(text[i]);
        float shift = pen - std::floor(pen);
        int w, h, xoff, yoff;
        unsigned char* bitmap = stbtt_GetCodepointBitmapSubpixel(info, scale, scale, shift, 0.0f,
                                                                 codepoint, &w, &h, &xoff, &yoff);
        int left = static_cast<int>(std::floor(pen)) + xoff,
            top = static_cast<int>(std::lround(y)) + yoff;
        for (int row = 0; row < h; ++row) {
            for (int col = 0; col < w; ++col) {
                canvas.blend(left + col, top + row, colour, bitmap[row * w + col] / 255.0f);
            }
        }
        stbtt_FreeBitmap(bitmap, nullptr);
        int advance, bearing;
        stbtt_GetCodepointHMetrics(info, codepoint, &advance, &bearing);
        pen += advance * scale;
        if (i + 1 < text.size()) {
            pen += scale * stbtt_GetCodepointKernAdvance(info, codepoint,
                                                         static_cast<unsigned char>(text[i + 1]));
        }
    }
}

void Font::drawCentred(Canvas& canvas, float cx, float y, const std::string& text, float height,
                       Colour colour) const {
    draw(canvas, cx - measure(text, height) / 2, y, text, height, colour);
}

std::vector<float> Font::cell(int codepoint, int cellWidth, int cellHeight, int margin) const {
    const stbtt_fontinfo* info = infoOf(m_info);
    // The printable ASCII set, from its highest glyph top to its lowest descent, fits inside the
    // margin; a glyph wider than the room is narrowed on its own. Nothing touches the cell's
    // edge, so that a filtered print never takes ink from the next cell.
    int ascent = 0, descent = 0;
    for (int code = 33; code < 127; ++code) {
        int bx0, by0, bx1, by1;
        if (stbtt_GetCodepointBox(info, code, &bx0, &by0, &bx1, &by1) != 0) {
            ascent = std::max(ascent, by1);
            descent = std::min(descent, by0);
        }
    }
    const float room = static_cast<float>(cellHeight - 2 * margin);
    float scale = room / static_cast<float>(ascent - descent);
    int x0, y0, x1, y1;
    stbtt_GetCodepointBitmapBox(info, codepoint, scale, scale, &x0, &y0, &x1, &y1);
    const float width = static_cast<float>(cellWidth - 2 * margin);
    const float xScale = x1 - x0 > width ? scale * width / static_cast<float>(x1 - x0 + 1) : scale;
    std::vector<float> coverage(static_cast<size_t>(cellWidth) * cellHeight, 0.0f);
    int w, h, xoff, yoff;
    unsigned char* bitmap =
        stbtt_GetCodepointBitmap(info, xScale, scale, codepoint, &w, &h, &xoff, &yoff);
    const int baseline = margin + static_cast<int>(std::floor(ascent * scale));
    const int left = (cellWidth - w) / 2, top = baseline + yoff;
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            int cx = left + col, cy = top + row;
            if (cx >= margin && cy >= margin && cx < cellWidth - margin &&
                cy < cellHeight - margin) {
                coverage[static_cast<size_t>(cy) * cellWidth + cx] = bitmap[row * w + col] / 255.0f;
            }
        }
    }
    stbtt_FreeBitmap(bitmap, nullptr);
    return coverage;
}
