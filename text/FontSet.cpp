#include "text/FontSet.h"

#include "resources/TextureLibrary.h"
#include "text/LookupTableLoader.h"

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

FontSet::FontSet() : m_fonttable(loadLookupTable("data/fonts.data")) {}

FontSet::~FontSet() {
    delete m_fonttable;
}

void FontSet::addFont(std::string filename) {
    m_fontvector.push_back(loadTexture(std::move(filename), 0.0f));
}

FontSet* getFontSetSingleton() {
    if (singleton == nullptr) {
        std::atexit(destroyFontSet);
        singleton = new FontSet();
        for (int32_t i = 0; i < singleton->m_fonttable->recordCount(); ++i) {
            singleton->addFont(singleton->m_fonttable->getString(i, "mapfile"));
        }
        currentfontindex = 0;
    }
    return singleton;
}

int fontCount() {
    return getFontSetSingleton()->m_fonttable->recordCount();
}

void setCurrentFont(int index) {
    currentfontindex = index;
}

int currentFont() {
    return currentfontindex;
}
