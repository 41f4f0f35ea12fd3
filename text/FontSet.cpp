#include "text/FontSet.h"

#include "base/Check.h"
#include "text/core/LookupTableLoader.h"

using namespace afterglow;

FontSet::FontSet(TextureLibrary& textures, const DataFolder& data)
    : m_textures(textures), m_data(data),
      m_fonttable(loadLookupTable(data.path("data/fonts.data"))) {
    // Each font holds an atlas in memory: a table of thousands of lines must not exhaust it.
    const int32_t listed = m_fonttable->recordCount();
    INTRO_CHECK(listed <= kMostFonts && "Fonts past the 256th are not loaded");
    for (int32_t i = 0; i < listed && i < kMostFonts; ++i) {
        addFont(m_fonttable->getString(i, "mapfile"));
    }
}

void FontSet::addFont(const std::string& filename) {
    m_fontvector.push_back(m_textures.load(m_data.path(filename)));
}

const Texture* FontSet::atlas(int font) const {
    return m_textures.get(m_fontvector.at(static_cast<size_t>(font)));
}

int FontSet::xSpace(int font) {
    return m_fonttable->getInt(font, "xspace");
}

int FontSet::ySpace(int font) {
    return m_fonttable->getInt(font, "yspace");
}

FontSet* getFontSetSingleton() {
    return CurrentFontSet::current();
}

int fontCount() {
    const FontSet* fonts = getFontSetSingleton();
    return fonts != nullptr ? fonts->fontCount() : 0;
}

void setCurrentFont(int index) {
    if (FontSet* fonts = getFontSetSingleton()) {
        fonts->setCurrentFont(index);
    }
}

int currentFont() {
    const FontSet* fonts = getFontSetSingleton();
    return fonts != nullptr ? fonts->currentFont() : 0;
}
