/// @file
/// FontSet: every font listed in "data/fonts.data", one record a font: its glyph atlas
/// ("mapfile", loaded into a texture library, which owns it) and its spacing ("xspace",
/// "yspace"), and the current font index the printer draws with. Making one loads the table and
/// every atlas (a GL context must be current). At most kMostFonts fonts are loaded; lines past
/// them are reported and left out.
///
/// A program that prints owns its font set and makes it current for the printer:
///
/// ```
/// FontSet fonts(textures, afterglow::DataFolder());
/// afterglow::CurrentFontSet current(fonts);
/// printText(16, 16, 288, 120, "Hello", 0);
/// ```
#pragma once

#include "base/DataFolder.h"
#include "resources/TextureLibrary.h"
#include "text/core/FontTable.h"
#include "text/core/LookupTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class FontSet {
  public:
    FontSet(TextureLibrary& textures, const afterglow::DataFolder& data);
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    int fontCount() const { return static_cast<int>(m_fontvector.size()); }
    /// The atlas of a font; std::out_of_range for an index outside the font list, null when the
    /// atlas did not load.
    const Texture* atlas(int font) const;
    /// The font's horizontal and vertical spacing, queried from its record each time.
    int xSpace(int font);
    int ySpace(int font);

    /// The font the printer draws with: 0 when the set is made.
    int currentFont() const { return m_currentFont; }
    void setCurrentFont(int index) { m_currentFont = index; }

  private:
    void addFont(const std::string& filename);

    TextureLibrary& m_textures;
    const afterglow::DataFolder m_data; // a copy: the folder given may be a temporary
    std::unique_ptr<LookupTable> m_fonttable;
    std::vector<int32_t> m_fontvector; // atlas slot numbers by font index
    int m_currentFont = 0;
};

/// Makes a font set the one the printer and the functions below use, for as long as it lives.
namespace afterglow {
using CurrentFontSet = MadeCurrent<FontSet>;
} // namespace afterglow

/// The current font set; null when no program has made one current.
FontSet* getFontSetSingleton();

/// The current font set's count and current font index (0 and 0, and nothing set, when none is
/// current). Not checked here: the printer's lookup of an index outside the font list raises
/// std::out_of_range.
int fontCount();
void setCurrentFont(int index);
int currentFont();
