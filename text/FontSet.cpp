#include "text/FontSet.h"

#include "resources/TextureLibrary.h"
#include "resources/core/Check.h"
#include "resources/core/DataFolder.h"
#include "text/core/LookupTableLoader.h"

#include <cstdlib>
#include <utility>

namespace {
FontSet* singleton = nullptr;
int currentfontindex = 0;

void destroyFontSet() {
    delete singleton;
    singleton = nullptr;
}
} // namespace

FontSet::FontSet() : m_fonttable(loadLookupTable(dataPath("data/fonts.data"))) {}

FontSet::~FontSet() {
    delete m_fonttable;
}

void FontSet::addFont(std::string filename) {
    m_fontvector.push_back(loadTexture(dataPath(filename), 0.0f));
}

FontSet* getFontSetSingleton() {
    if (singleton == nullptr) {
        std::atexit(destroyFontSet);
        singleton = new FontSet();
        // Each font holds an atlas in memory: a table of thousands of lines must not exhaust it.
        const int32_t listed = singleton->m_fonttable->recordCount();
        INTRO_CHECK(listed <= kMostFonts && "Fonts past the 256th are not loaded");
        for (int32_t i = 0; i < listed && i < kMostFonts; ++i) {
            singleton->addFont(singleton->m_fonttable->getString(i, "mapfile"));
        }
        currentfontindex = 0;
    }
    return singleton;
}

int fontCount() {
    return static_cast<int>(getFontSetSingleton()->m_fontvector.size());
}

void setCurrentFont(int index) {
    currentfontindex = index;
}

int currentFont() {
    return currentfontindex;
}
