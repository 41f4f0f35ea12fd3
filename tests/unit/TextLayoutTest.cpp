#include "text/core/TextLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<GlyphQuad> layout(TextBox box, const std::string& text,
                              FontMetrics m = {16, 16, 0, 0}) {
    std::vector<GlyphQuad> quads;
    layoutText(box, text, m, [&](const GlyphQuad& q) { quads.push_back(q); });
    return quads;
}

// Where glyphs land, relative to the box, and which cells they show.
struct At {
    int px, py, row, column;
};

struct LayoutCase {
    const char* name;
    TextBox box;
    std::string text;
    FontMetrics metrics;
    std::vector<At> glyphs;
};

TEST(TextLayout, PlacesGlyphsByTheWrapStopSpaceNewlineAndMarkerRules) {
    const FontMetrics plain{16, 16, 0, 0};
    // clang-format off
    const std::vector<LayoutCase> cases = {
        {"empty text", {0, 0, 320, 200}, "", plain, {}},
        {"the box moves every glyph", {10, 20, 100, 50}, "AB", plain, {{0, 0, 2, 1}, {16, 0, 2, 2}}},
        {"two words wrap when the second does not fit", {0, 0, 40, 100}, "ab cd", plain, {{0, 0, 4, 1}, {16, 0, 4, 2}, {0, 16, 4, 3}, {16, 16, 4, 4}}},
        {"leading spaces take no room", {0, 0, 320, 200}, "  A", plain, {{0, 0, 2, 1}}},
        {"a word wider than the box leaves line 0 empty and runs past the edge", {0, 0, 40, 100}, "abcd e", plain, {{0, 16, 4, 1}, {16, 16, 4, 2}, {32, 16, 4, 3}, {48, 16, 4, 4}, {0, 32, 4, 5}}},
        {"newlines start lines, and an empty line still advances", {0, 0, 320, 200}, "A\n\nB", plain, {{0, 0, 2, 1}, {0, 32, 2, 2}}},
        {"a word that would start below the box ends the layout", {0, 0, 320, 30}, "A\nB", plain, {{0, 0, 2, 1}}},
        {"a line that ends at the box's bottom is drawn", {0, 0, 320, 32}, "A\nB", plain, {{0, 0, 2, 1}, {0, 16, 2, 2}}},
        {"markers switch the set and take no room", {0, 0, 320, 200}, "a<b>c", plain, {{0, 0, 4, 1}, {16, 0, 12, 2}, {32, 0, 4, 3}}},
        // The word measures 5 cells, so it wraps in a box 64 wide; after "<" the rest measures 3.
        {"markers count when a word is measured", {0, 0, 64, 100}, "x a<bcd", plain, {{0, 0, 5, 8}, {0, 16, 4, 1}, {16, 16, 12, 2}, {32, 16, 12, 3}, {48, 16, 12, 4}}},
        // The whole word (5 cells) wraps even from the line's start; after "<" the rest wraps
        // again.
        {"after a marker the rest of the word may wrap", {0, 0, 48, 100}, "ab<cd", plain, {{0, 16, 4, 1}, {16, 16, 4, 2}, {0, 32, 12, 3}, {16, 32, 12, 4}}},
        {"highlight carries across words until >", {0, 0, 320, 200}, "<a b", plain, {{0, 0, 12, 1}, {32, 0, 12, 2}}},
        {"xspace widens every advance and the wrap test", {0, 0, 320, 200}, "ab c", {16, 16, 2, 0}, {{0, 0, 4, 1}, {18, 0, 4, 2}, {54, 0, 4, 3}}},
        {"yspace widens every line", {0, 0, 320, 200}, "a\nb", {16, 16, 0, 4}, {{0, 0, 4, 1}, {0, 20, 4, 2}}},
        {"control bytes draw from rows -2 and -1", {0, 0, 320, 200}, "\t\x1f", plain, {{0, 0, -2, 9}, {16, 0, -1, 15}}},
        {"bytes past 127 count as negative", {0, 0, 320, 200}, "\xff\x80", plain, {{0, 0, -2, -1}, {16, 0, -10, 0}}},
    };
    // clang-format on
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<GlyphQuad> quads = layout(c.box, c.text, c.metrics);
        ASSERT_EQ(quads.size(), c.glyphs.size());
        for (size_t i = 0; i < quads.size(); ++i) {
            SCOPED_TRACE(i);
            const At& g = c.glyphs[i];
            const int w = c.metrics.cellWidth, h = c.metrics.cellHeight;
            const int left = c.box.x + g.px, top = c.box.y + g.py;
            const GlyphQuad& q = quads[i];
            EXPECT_EQ(std::tie(q.left, q.top, q.right, q.bottom),
                      std::make_tuple(left, top, left + w, top + h));
            EXPECT_EQ(std::tie(q.s0, q.t0, q.s1, q.t1),
                      std::make_tuple(g.column * w / 256.0f, g.row * h / 256.0f,
                                      (g.column + 1) * w / 256.0f, (g.row + 1) * h / 256.0f));
        }
    }
}

TEST(TextLayout, ExtremeSpacingDoesNotOverflow) {
    // Spacing comes from a table file and may be anything; the layout must stay defined.
    // An advance past the largest int: the first word wraps onto a line below the box.
    EXPECT_TRUE(
        layout({0, 0, 2147483647, 2147483647}, "ab\ncd", {16, 16, 2147483647, 2147483647}).empty());
    // A hugely negative advance: every word fits, and the pen runs left.
    std::vector<GlyphQuad> quads =
        layout({0, 0, -2147483647 - 1, 100}, "a b", {16, 16, -2147483647 - 1, 0});
    ASSERT_EQ(quads.size(), 2u);
    EXPECT_EQ(quads[0].top, 16);
    EXPECT_EQ(quads[1].left, -2147483647 + 15);
}

} // namespace
