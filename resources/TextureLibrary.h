/// @file
/// TextureLibrary: owns every texture of a program. Loading an image file decodes it, uploads it
/// under its slot number as the GL texture name and returns that number; slots are handed out
/// 1, 2, 3 in load order (slot 0 is a placeholder) and never reused. Its textures are destroyed
/// with it, last loaded first: keep the GL context current until then (declare the context
/// first). Loading and destroying need a current GL context.
///
/// A program owns its library and makes it current for the free functions below, which scenes
/// call by their familiar names:
///
/// ```
/// TextureLibrary textures;
/// afterglow::CurrentTextureLibrary current(textures);
/// int32_t slot = loadTexture("data/stjerner.tga", 0.0f);
/// ```
#pragma once

#include "base/MadeCurrent.h"
#include "resources/Texture.h"
#include "resources/core/TGALoader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TextureLibrary {
  public:
    TextureLibrary();
    ~TextureLibrary();
    TextureLibrary(const TextureLibrary&) = delete;
    TextureLibrary& operator=(const TextureLibrary&) = delete;

    /// Loads filename (TGA, PNG or JPEG, told apart by their first bytes, whatever the extension)
    /// and returns its slot number, the GL texture name it was uploaded under. When the file does
    /// not decode, the loader has reported why; the slot stays reserved and empty, nothing is
    /// uploaded, and its number is returned all the same, so later loads keep their numbers and
    /// drawing it shows no texture.
    int32_t load(const std::string& filename);

    /// The same for an image decoded ahead (with the loader's own largest side), or one that did
    /// not decode (nullopt; its reports are the caller's to write): the slot is handed out and
    /// the image uploaded now. An image larger than this driver takes is loaded from the file
    /// instead, to be refused as load refuses it.
    int32_t adopt(const std::string& filename, std::optional<afterglow::DecodedImage> image);

    /// Decodes filename again into an existing slot: when it decodes, the slot shows the new
    /// picture (and true is returned); when it does not, the loader has reported why and the slot
    /// keeps its own.
    bool reload(int32_t slotnumber, const std::string& filename);

    /// Destroys the texture of a slot (its GL texture too); the slot stays handed out, empty, as
    /// after a failed load.
    void release(int32_t slotnumber);

    /// The texture of a slot number returned by load; null for slot 0 or a failed load.
    const Texture* get(int32_t slotnumber) const;

    /// Slots handed out so far, the placeholder included.
    size_t size() const { return m_texturevector.size(); }

  private:
    /// Uploads a texture under its slot number, its GL name, and keeps it in that slot.
    bool upload(std::unique_ptr<Texture> texture);

    /// Indexed by slot number; an entry is empty for slot 0 and for an image that did not load.
    std::vector<std::unique_ptr<Texture>> m_texturevector;
};

/// Makes a library the one the free functions act on, for as long as it lives.
namespace afterglow {
using CurrentTextureLibrary = MadeCurrent<TextureLibrary>;
} // namespace afterglow

/// The current library; null when no program has made one current.
TextureLibrary* getTextureLibrarySingleton();

/// load() and get() of the current library. The priority is a residency hint that the GL drivers
/// of today ignore; it is taken, as scenes have always passed it, and has no effect.
int32_t loadTexture(std::string f, float priority);
const Texture* getTexture(int32_t slotnumber);
