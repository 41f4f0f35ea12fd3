// TextureLibrary: owns every texture of the process. Loading an image file decodes it, uploads it
// under its slot number as the GL texture name and returns that number; slots are handed out
// 1, 2, 3 in load order (slot 0 is a placeholder) and never reused. Created on first use; its
// textures are destroyed at process exit, last loaded first, while the GL context is current.
#pragma once

#include "resources/Texture.h"

#include <cstdint>
#include <string>
#include <vector>

class TextureLibrary {
  public:
    TextureLibrary();
    virtual ~TextureLibrary() = default;

    // Indexed by slot number; an entry is empty for slot 0 and for an image that did not load.
    std::vector<Texture*> m_texturevector;
};

// The one library; the first call creates it and registers its teardown with the at-exit list.
TextureLibrary* getTextureLibrarySingleton();

// Loads f (read as TGA whatever its extension) and returns its slot number, the GL texture name
// it was uploaded under. When the file does not decode, the loader has reported why; the slot
// stays reserved and empty, nothing is uploaded, and its number is returned all the same, so
// later loads keep their numbers and drawing it shows no texture. Needs a current GL context.
int32_t loadTexture(std::string f, float priority);
int32_t loadTGATexture(std::string f, float priority);

// Decodes f again into an existing slot: when it decodes, the slot shows the new picture (and
// true is returned); when it does not, the loader has reported why and the slot keeps its own.
bool reloadTexture(int32_t slotnumber, const std::string& f);

// The texture of a slot number returned by loadTexture; null for slot 0 or a failed load.
Texture* getTexture(int32_t slotnumber);

// Destroys every texture, last slot first, then the placeholder. Runs at process exit.
void destroyTextureLibrary();
