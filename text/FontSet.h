// FontSet: every font listed in "data/fonts.data", one record a font: its glyph atlas
// ("mapfile", loaded through the texture library) and its spacing ("xspace", "yspace").
// Created on first use, which loads the table and every atlas (a GL context must be current);
// destroyed at process exit. The atlases belong to the texture library. At most kMostFonts fonts
// are loaded; lines past them are reported and left out.
#pragma once

#include "text/core/LookupTable.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kMostFonts = 256;

class FontSet {
  public:
    FontSet();
    virtual ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    void addFont(std::string filename);

    std::vector<int32_t> m_fontvector; // atlas slot numbers by font index
    LookupTable* m_fonttable;
};

// The one font set; the first call creates it, registers its teardown and resets the current
// font index to 0.
FontSet* getFontSetSingleton();

// The number of fonts loaded (creating the font set if needed).
int fontCount();

// The font the printer draws with; 0 at process start. Not checked here: the printer's lookup
// of an index outside the font list raises std::out_of_range.
void setCurrentFont(int index);
int currentFont();
