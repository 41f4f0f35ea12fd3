#include "tools/common/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
bool isExecutableFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// A temporary file that vanishes once closed.
int anonymousFile() {
    char name[] = "/tmp/intro-child-XXXXXX";
    int fd = mkstemp(name);
    if (fd >= 0) {
        unlink(name);
    }
    return fd;
}
} // namespace

std::string findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return isExecutableFile(name) ? name : "";
    }
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) {
            end = folders.size();
        }
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (isExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return "";
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, bool owngroup) {
    // A write to a child that has ended fails with EPIPE instead of killing us.
    std::signal(SIGPIPE, SIG_IGN);
    const std::string program = argv.empty() ? "" : findProgram(argv[0]);
    if (program.empty()) {
        m_starterror = (argv.empty() ? std::string("no program") : argv[0]) + " not found";
        return;
    }
    int input[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        m_starterror = std::strerror(errno);
        return;
    }
    m_errors = anonymousFile();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (m_errors >= 0) {
        posix_spawn_file_actions_adddup2(&actions, m_errors, STDERR_FILENO);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    short flags = POSIX_SPAWN_SETSIGDEF;
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    if (owngroup) {
        flags |= POSIX_SPAWN_SETPGROUP;
        posix_spawnattr_setpgroup(&attributes, 0);
    }
    posix_spawnattr_setflags(&attributes, flags);

    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    int failed = posix_spawn(&m_pid, program.c_str(), &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(input[0]);
    if (failed != 0) {
        m_pid = -1;
        m_starterror = argv[0] + ": " + std::strerror(failed);
        close(input[1]);
        return;
    }
    m_input = input[1];
}

ChildProcess::~ChildProcess() {
    finish();
    if (m_errors >= 0) {
        close(m_errors);
    }
}

bool ChildProcess::write(const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0 && m_input >= 0) {
        ssize_t written = ::write(m_input, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return size == 0;
}

bool ChildProcess::finish() {
    if (m_input >= 0) {
        close(m_input);
        m_input = -1;
    }
    if (m_pid > 0) {
        while (waitpid(m_pid, &m_status, 0) < 0 && errno == EINTR) {
        }
        m_pid = 0;
    }
    return m_pid == 0 && WIFEXITED(m_status) && WEXITSTATUS(m_status) == 0;
}

std::string ChildProcess::errorTail(size_t maxlines) const {
    if (m_errors < 0) {
        return "";
    }
    // The tail is what explains a failure; 4 KiB holds the last lines ffmpeg or lame write.
    off_t size = lseek(m_errors, 0, SEEK_END);
    off_t start = size > 4096 ? size - 4096 : 0;
    std::string text(static_cast<size_t>(size - start), '\0');
    ssize_t got = pread(m_errors, text.data(), text.size(), start);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    size_t from = text.size();
    for (size_t lines = 0; lines < maxlines && from != std::string::npos && from > 0; ++lines) {
        from = text.rfind('\n', from - 1);
    }
    return from == std::string::npos || from == 0 ? text : text.substr(from + 1);
}
