#include "tools/assets/FontAtlas.h"

namespace {
constexpr int kCell = 16;

void paintCell(Canvas& atlas, const Font& font, int code, int row, Colour colour) {
    std::vector<float> coverage = font.cell(code, kCell, kCell, 1);
    int column = code % 16;
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            float a = coverage[static_cast<size_t>(y) * kCell + x];
            // Colour scaled by coverage too, so that an unblended print shows clean glyphs.
            atlas.at(column * kCell + x, row * kCell + y) = {colour.r * a, colour.g * a,
                                                             colour.b * a, a};
        }
    }
}
} // namespace

Canvas paintFontAtlas(const Font& font, Colour normal, Colour highlight) {
    Canvas atlas(256, 256, Colour{0, 0, 0, 0});
    for (int code = 33; code < 127; ++code) {
        paintCell(atlas, font, code, code / 16 - 2, normal);
        paintCell(atlas, font, code, code / 16 + 6, highlight);
    }
    return atlas;
}
