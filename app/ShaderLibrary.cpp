#include "app/ShaderLibrary.h"

#include "base/RegularFile.h"
#include "draw/core/ShaderSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace afterglow;

namespace {
// A shader is a page or two of text; a larger file is not one.
constexpr size_t kLargestShader = 1 << 20;

const ShaderLibrary* current = nullptr;

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's text; false with why it could not be read.
bool readText(const std::string& path, std::string& text, std::string& why) {
    errno = 0;
    const std::unique_ptr<std::FILE, CloseFile> file(openRegularFile(path.c_str()));
    if (!file) {
        why = errno != 0 && errno != EINVAL ? std::strerror(errno) : "not a regular file";
        return false;
    }
    text.resize(kLargestShader + 1);
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    if (std::ferror(file.get()) || text.size() > kLargestShader) {
        why = std::ferror(file.get()) ? std::strerror(errno) : "larger than 1 MiB";
        return false;
    }
    return true;
}
} // namespace

bool ShaderLibrary::load(const std::vector<std::string>& paths) {
    std::vector<ShaderLayer> layers(paths.size());
    std::vector<bool> kept(paths.size(), false);
    for (size_t n = 0; n < paths.size(); ++n) {
        for (size_t old = 0; old < m_paths.size() && !kept[n]; ++old) {
            if (m_paths[old] == paths[n] && m_layers[old].built()) {
                layers[n] = std::move(m_layers[old]);
                kept[n] = true;
            }
        }
    }
    m_paths = paths;
    m_layers = std::move(layers);
    bool all = true;
    for (size_t n = 0; n < m_paths.size(); ++n) {
        all = (kept[n] || build(n)) && all;
    }
    return all;
}

bool ShaderLibrary::reload(size_t n) {
    return n < m_paths.size() && build(n);
}

bool ShaderLibrary::build(size_t n) {
    std::string text, log;
    if (!readText(m_paths[n], text, log)) {
        std::fprintf(stderr, "%s: could not be read: %s\n", m_paths[n].c_str(), log.c_str());
        return false;
    }
    if (!m_layers[n].build(text, log)) {
        std::fprintf(stderr, "%s\n", shaderReport(m_paths[n], log).c_str());
        return false;
    }
    return true;
}

const ShaderLayer* ShaderLibrary::get(int n) const {
    const bool known = n >= 0 && static_cast<size_t>(n) < m_layers.size();
    return known && m_layers[static_cast<size_t>(n)].built() ? &m_layers[static_cast<size_t>(n)]
                                                             : nullptr;
}

CurrentShaderLibrary::CurrentShaderLibrary(const ShaderLibrary& library) : m_previous(current) {
    current = &library;
}

CurrentShaderLibrary::~CurrentShaderLibrary() {
    current = m_previous;
}

const ShaderLayer* currentShader(int n) {
    return current != nullptr ? current->get(n) : nullptr;
}
