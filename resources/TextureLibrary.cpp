#include "resources/TextureLibrary.h"

#include "base/Check.h"
#include "base/MemoryRoom.h"
#include "resources/core/ImageFile.h"

#include <algorithm>
#include <utility>

using namespace afterglow;

namespace {
// The largest texture side the driver takes: larger images are refused before they are decoded.
uint32_t largestTextureSide() {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return largest > 0 ? static_cast<uint32_t>(largest) : kLargestTextureSide;
}

// Whether the driver's copy of a picture, four bytes a texel whatever its depth, leaves the room
// drawing needs.
bool roomToUpload(uint32_t width, uint32_t height) {
    return roomLeftFor(uint64_t{width} * height * 4);
}

std::optional<DecodedImage> decodeFile(const std::string& filename) {
    if (!INTRO_CHECK(!filename.empty() && "no filename given, a silly problem")) {
        return std::nullopt;
    }
    DecodedImage image;
    if (!readImageFile(filename, largestTextureSide(), image)) {
        reportImageFailure(image.failure);
        return std::nullopt;
    }
    return image;
}

// A texture deletes the GL texture of its name when it goes: one is made only to be kept.
std::unique_ptr<Texture> textureOf(const std::string& filename, DecodedImage image,
                                   int32_t slotnumber) {
    return std::make_unique<Texture>(filename, std::move(image), static_cast<GLuint>(slotnumber));
}
} // namespace

TextureLibrary::TextureLibrary() {
    m_texturevector.emplace_back(); // slot 0
}

TextureLibrary::~TextureLibrary() {
    while (!m_texturevector.empty()) {
        m_texturevector.pop_back();
    }
}

int32_t TextureLibrary::load(const std::string& filename) {
    const auto slotnumber = static_cast<int32_t>(m_texturevector.size());
    m_texturevector.emplace_back();
    if (std::optional<DecodedImage> image = decodeFile(filename)) {
        upload(textureOf(filename, std::move(*image), slotnumber));
    }
    return slotnumber;
}

int32_t TextureLibrary::adopt(const std::string& filename, std::optional<DecodedImage> image) {
    if (image && std::max(image->width, image->height) > largestTextureSide()) {
        return load(filename);
    }
    const auto slotnumber = static_cast<int32_t>(m_texturevector.size());
    m_texturevector.emplace_back();
    if (image) {
        upload(textureOf(filename, std::move(*image), slotnumber));
    }
    return slotnumber;
}

bool TextureLibrary::reload(int32_t slotnumber, const std::string& filename) {
    if (slotnumber <= 0 || static_cast<size_t>(slotnumber) >= m_texturevector.size()) {
        return false; // not a slot load handed out
    }
    std::optional<DecodedImage> image = decodeFile(filename);
    if (!image) {
        return false;
    }
    // The old picture stays while the new one has no room: it would be refused, the slot left
    // empty and drawn white.
    if (!INTRO_CHECK(roomToUpload(image->width, image->height) && "Could not upload texture")) {
        return false;
    }
    // The old picture goes first, deleting the slot's GL texture; the new one is then uploaded
    // under the same name. Each texture deletes only its own slot's name.
    m_texturevector[static_cast<size_t>(slotnumber)].reset();
    return upload(textureOf(filename, std::move(*image), slotnumber));
}

// Uploads a decoded texture under a slot number, with the library's parameters. The driver may
// still refuse an image the loader accepted (out of memory, say): that is reported, and the
// texture deleted, rather than drawn white unreported.
bool TextureLibrary::upload(std::unique_ptr<Texture> texture) {
    while (glGetError() != GL_NO_ERROR) {
        // errors left by earlier calls, so that the upload's own are told apart
    }
    glBindTexture(GL_TEXTURE_2D, texture->texId());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const bool room = roomToUpload(texture->width(), texture->height());
    if (room) {
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(texture->format()),
                     static_cast<GLsizei>(texture->width()),
                     static_cast<GLsizei>(texture->height()), 0, texture->format(),
                     GL_UNSIGNED_BYTE, texture->imageData());
    }
    const bool uploaded = room && glGetError() == GL_NO_ERROR;
    if (!INTRO_CHECK(uploaded && "Could not upload texture")) {
        return false;
    }
    const GLuint slotnumber = texture->texId();
    m_texturevector[slotnumber] = std::move(texture);
    return true;
}

void TextureLibrary::release(int32_t slotnumber) {
    if (slotnumber > 0 && static_cast<size_t>(slotnumber) < m_texturevector.size()) {
        m_texturevector[static_cast<size_t>(slotnumber)].reset();
    }
}

const Texture* TextureLibrary::get(int32_t slotnumber) const {
    return slotnumber >= 0 && static_cast<size_t>(slotnumber) < m_texturevector.size()
               ? m_texturevector[static_cast<size_t>(slotnumber)].get()
               : nullptr;
}

TextureLibrary* getTextureLibrarySingleton() {
    return CurrentTextureLibrary::current();
}

int32_t loadTexture(std::string f, float /*priority*/) {
    TextureLibrary* library = getTextureLibrarySingleton();
    if (library == nullptr) {
        INTRO_CHECK(!"no texture library is current");
        return 0;
    }
    return library->load(f);
}

const Texture* getTexture(int32_t slotnumber) {
    const TextureLibrary* library = getTextureLibrarySingleton();
    return library != nullptr ? library->get(slotnumber) : nullptr;
}
