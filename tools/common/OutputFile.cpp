#include "tools/common/OutputFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace afterglow {

OutputFile::OutputFile(const std::string& path, const std::string& suffix)
    : m_target(path), m_writing(path) {
    struct stat info, link;
    // A link to no file yet, through any number of links: the file is made where the last one
    // leads, and the links then lead to it. A loop of links is refused when opened.
    for (int hop = 0; hop < 40 && lstat(m_target.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
                      stat(m_target.c_str(), &info) != 0;
         ++hop) {
        char to[4096];
        const ssize_t length = errno == ENOENT ? readlink(m_target.c_str(), to, sizeof to) : -1;
        if (length <= 0 || static_cast<size_t>(length) >= sizeof to) {
            m_refused = errno == ENOENT ? ENAMETOOLONG : errno;
            break;
        }
        const std::string next(to, static_cast<size_t>(length));
        const size_t slash = m_target.rfind('/');
        m_target = next.front() == '/' || slash == std::string::npos
                       ? next
                       : m_target.substr(0, slash + 1) + next;
    }
    if (m_target == path && stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            m_direct = true;
            return;
        }
        m_replacing = true;
        m_mode = info.st_mode & 0777;
        // A link keeps leading to the file, which is replaced where it lies.
        char* real = nullptr;
        if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
            (real = realpath(path.c_str(), nullptr)) != nullptr) {
            m_target = real;
            std::free(real);
        }
    }
    const size_t slash = m_target.rfind('/');
    const size_t name = slash == std::string::npos ? 0 : slash + 1;
    // The name is cut where the whole would pass the longest a file name may be (255 bytes), so
    // that an output whose name is near it can still be written.
    const std::string tail = "." + std::to_string(getpid()) + suffix;
    m_writing = m_target.substr(0, name) + "." + m_target.substr(name, 254 - tail.size()) + tail;
}

OutputFile::~OutputFile() {
    if (m_fd >= 0) {
        close(m_fd);
    }
    if (m_temporary) {
        unlink(m_writing.c_str());
    }
}

bool OutputFile::open(std::string& error) {
    if (m_refused != 0) {
        error = std::strerror(m_refused);
        return false;
    }
    if (m_direct) {
        m_fd = ::open(m_writing.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } else if (!m_replacing || access(m_target.c_str(), W_OK) == 0) {
        // (A file its owner made read-only stays refused above, as when written in place.)
        const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
        m_fd = ::open(m_writing.c_str(), flags, 0666);
        // Left by a killed process that had our number before us.
        if (m_fd < 0 && errno == EEXIST && unlink(m_writing.c_str()) == 0) {
            m_fd = ::open(m_writing.c_str(), flags, 0666);
        }
        m_temporary = m_fd >= 0;
        // Best effort: a file system without modes keeps its own.
        if (m_temporary && m_replacing && fchmod(m_fd, m_mode) != 0) {
        }
    }
    if (m_fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

bool OutputFile::write(const void* data, size_t size, std::string& error) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(m_fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error = std::strerror(written < 0 ? errno : ENOSPC);
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool OutputFile::commit(std::string& error) {
    // A full disk or a quota can show only at the close, on network file systems.
    const int closed = close(m_fd);
    m_fd = -1;
    if (closed != 0 || (m_temporary && rename(m_writing.c_str(), m_target.c_str()) != 0)) {
        error = std::strerror(errno);
        return false;
    }
    m_temporary = false;
    return true;
}

bool writeOutputFile(const std::string& path, const void* data, size_t size, std::string& error) {
    OutputFile file(path);
    return file.open(error) && file.write(data, size, error) && file.commit(error);
}

} // namespace afterglow
