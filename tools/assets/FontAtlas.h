// FontAtlas: the text printer's glyph atlases, 256 x 256 in 16 x 16 cells: printable ASCII in
// cell rows 0 to 5 and again, highlighted, in rows 8 to 13, sixteen codes to a row.
#pragma once

#include "tools/assets/Canvas.h"
#include "tools/assets/Font.h"

// Glyphs show their colour with alpha as coverage; the cells' background is clear. Stored top
// row first: the printer draws each cell's first stored row at the glyph's top.
Canvas paintFontAtlas(const Font& font, Colour normal, Colour highlight);
