#include "resources/TextureLibrary.h"

#include "resources/core/Check.h"
#include "resources/core/TGALoader.h"

#include <cstdlib>
#include <utility>

namespace {
TextureLibrary* singleton = nullptr;

void destroyAtExit() {
    destroyTextureLibrary();
}
} // namespace

TextureLibrary::TextureLibrary() {
    m_texturevector.push_back(nullptr);
}

TextureLibrary* getTextureLibrarySingleton() {
    if (singleton == nullptr) {
        std::atexit(destroyAtExit);
        singleton = new TextureLibrary();
    }
    return singleton;
}

int32_t loadTexture(std::string f, float priority) {
    INTRO_CHECK(!f.empty() && "no filename given, a silly problem");
    return loadTGATexture(std::move(f), priority);
}

namespace {
// Uploads a decoded texture under a slot number, with the library's parameters. The driver may
// still refuse an image the loader accepted (out of memory, say): that is reported, and the
// texture deleted, rather than drawn white unreported.
bool uploadTexture(Texture* texture, int32_t slotnumber) {
    while (glGetError() != GL_NO_ERROR) {
        // errors left by earlier calls, so that the upload's own are told apart
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(slotnumber));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(texture->m_format),
                 static_cast<GLsizei>(texture->m_width), static_cast<GLsizei>(texture->m_height), 0,
                 texture->m_format, GL_UNSIGNED_BYTE, texture->m_imagedata);
    const bool uploaded = glGetError() == GL_NO_ERROR;
    if (!INTRO_CHECK(uploaded && "Could not upload texture")) {
        delete texture;
        return false;
    }
    getTextureLibrarySingleton()->m_texturevector[static_cast<size_t>(slotnumber)] = texture;
    return true;
}
} // namespace

int32_t loadTGATexture(std::string f, float priority) {
    auto slotnumber = static_cast<int32_t>(getTextureLibrarySingleton()->m_texturevector.size());
    getTextureLibrarySingleton()->m_texturevector.push_back(nullptr);
    Texture* texture = loadTGAFile(std::move(f));
    if (texture != nullptr) {
        texture->m_priority = priority;
        uploadTexture(texture, slotnumber);
    }
    // clang-format off: the report quotes the condition as written
    INTRO_CHECK((long)getTextureLibrarySingleton()->m_texturevector.size() ==
                (long)(slotnumber + 1));
    // clang-format on
    return slotnumber;
}

bool reloadTexture(int32_t slotnumber, const std::string& f) {
    Texture* texture = loadTGAFile(f);
    if (texture == nullptr) {
        return false;
    }
    // The old picture goes first: its GL texture may be the one named after the slot.
    Texture*& slot = getTextureLibrarySingleton()->m_texturevector[static_cast<size_t>(slotnumber)];
    delete slot;
    slot = nullptr;
    return uploadTexture(texture, slotnumber);
}

Texture* getTexture(int32_t slotnumber) {
    return getTextureLibrarySingleton()->m_texturevector[static_cast<size_t>(slotnumber)];
}

void destroyTextureLibrary() {
    std::vector<Texture*>& textures = getTextureLibrarySingleton()->m_texturevector;
    while (!textures.empty()) {
        delete textures.back();
        textures.pop_back();
    }
}
