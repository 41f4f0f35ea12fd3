#include "tools/common/OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool writeOutputFile(const std::string& path, const void* data, size_t size, std::string& error) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const auto* bytes = static_cast<const char*>(data);
    size_t left = size;
    int failure = 0;
    while (left > 0) {
        ssize_t written = write(fd, bytes, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            failure = written < 0 ? errno : ENOSPC;
            break;
        }
        bytes += written;
        left -= static_cast<size_t>(written);
    }
    // A full disk or a quota can show only at the close, on network file systems.
    if (close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0) {
        return true;
    }
    error = std::strerror(failure);
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        unlink(path.c_str());
    }
    return false;
}
