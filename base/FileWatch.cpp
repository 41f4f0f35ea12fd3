#include "base/FileWatch.h"

#include <sys/stat.h>
#include <utility>

namespace {
bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}
} // namespace

bool FileWatch::Seen::operator==(const Seen& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

FileWatch::FileWatch(std::vector<std::string> paths) : m_paths(std::move(paths)) {
    for (const std::string& path : m_paths) {
        m_seen.push_back(look(path));
    }
}

FileWatch::Seen FileWatch::look(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return Seen();
    }
    return {info.st_dev, info.st_ino, static_cast<long long>(info.st_size), info.st_mtim,
            info.st_ctim};
}

std::vector<size_t> FileWatch::changed() {
    std::vector<size_t> changed;
    for (size_t n = 0; n < m_paths.size(); ++n) {
        const Seen now = look(m_paths[n]);
        if (!(now == m_seen[n]) && now.size >= 0) {
            changed.push_back(n);
        }
        m_seen[n] = now;
    }
    return changed;
}
