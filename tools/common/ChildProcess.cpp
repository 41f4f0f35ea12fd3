#include "tools/common/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string_view>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A file in memory that vanishes once closed: a full or missing temporary folder cannot lose a
// child's words or its script.
int anonymousFile() {
    return memfd_create("intro-child", 0);
}

bool isExecutableFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// The tail is what explains a failure or an ending; 4 KiB holds the last lines ffmpeg or lame
// write, and ffmpeg's last progress report.
std::string lastBytes(int file) {
    if (file < 0) {
        return "";
    }
    off_t size = lseek(file, 0, SEEK_END);
    off_t start = size > 4096 ? size - 4096 : 0;
    std::string text(static_cast<size_t>(size - start), '\0');
    ssize_t got = pread(file, text.data(), text.size(), start);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
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

ChildProcess::ChildProcess(const std::vector<std::string>& argv, bool ownGroup,
                           const std::vector<std::string>& environment)
    : m_ownGroup(ownGroup) {
    const std::string program = argv.empty() ? "" : findProgram(argv[0]);
    if (program.empty()) {
        m_startError = (argv.empty() ? std::string("no program") : argv[0]) + " not found";
        return;
    }
    // Without somewhere to keep them, the child's words would reach our own output.
    m_errors = anonymousFile();
    m_output = anonymousFile();
    if (m_errors < 0 || m_output < 0) {
        m_startError = std::strerror(errno);
        return;
    }
    int input[2], report[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        m_startError = std::strerror(errno);
        return;
    }
    if (pipe2(report, O_CLOEXEC) != 0) {
        m_startError = std::strerror(errno);
        close(input[0]);
        close(input[1]);
        return;
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    // Made before the fork: the child of a threaded process must not allocate.
    std::vector<char*> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view name(*entry, std::strcspn(*entry, "="));
        const bool replaced =
            std::any_of(environment.begin(), environment.end(), [&](const std::string& set) {
                return set.compare(0, name.size() + 1, std::string(name) + "=") == 0;
            });
        if (!replaced) {
            env.push_back(*entry);
        }
    }
    for (const std::string& set : environment) {
        env.push_back(const_cast<char*>(set.c_str()));
    }
    env.push_back(nullptr);

    // fork rather than posix_spawn, for the death signal. Between fork and exec the child calls
    // only what is safe in a copy of a threaded process, and tells an exec failure through
    // report, which exec closes.
    const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) { // we ended before the death signal was set
            _exit(127);
        }
        if (ownGroup) {
            setpgid(0, 0);
        }
        dup2(input[0], STDIN_FILENO);
        dup2(m_output, STDOUT_FILENO);
        dup2(m_errors, STDERR_FILENO);
        for (int sig : {SIGPIPE, SIGINT, SIGTERM}) {
            signal(sig, SIG_DFL);
        }
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(program.c_str(), args.data(), env.data());
        const int error = errno;
        ssize_t told = ::write(report[1], &error, sizeof error);
        _exit(told == sizeof error ? 127 : 126);
    }
    const int forkError = errno;
    close(input[0]);
    close(report[1]);
    int execError = 0;
    const bool execFailed = m_pid > 0 && read(report[0], &execError, sizeof execError) > 0;
    close(report[0]);
    if (m_pid < 0 || execFailed) {
        if (execFailed) {
            waitpid(m_pid, nullptr, 0);
        }
        m_pid = -1;
        m_startError = argv[0] + ": " + std::strerror(execFailed ? execError : forkError);
        close(input[1]);
        return;
    }
    // Our end only (the child's is another open file): a full pipe never holds a write past a
    // stop's deadline.
    m_input = input[1];
    fcntl(m_input, F_SETFL, O_NONBLOCK);
    // By number: glibc 2.36 declares pidfd_open without C linkage.
    m_pidfd = static_cast<int>(syscall(SYS_pidfd_open, m_pid, 0));
}

ChildProcess::~ChildProcess() {
    finish();
    for (int file : {m_errors, m_output}) {
        if (file >= 0) {
            close(file);
        }
    }
}

void ChildProcess::stopOn(int fd, std::chrono::milliseconds grace) {
    m_stopFd = fd;
    m_grace = grace;
}

bool ChildProcess::stopped() {
    if (!m_stopSeen && m_stopFd >= 0) {
        pollfd stop = {m_stopFd, POLLIN, 0};
        if (poll(&stop, 1, 0) > 0) {
            m_stopSeen = true;
            m_deadline = std::chrono::steady_clock::now() + m_grace;
        }
    }
    return m_stopSeen;
}

int ChildProcess::untilDeadline() {
    if (!stopped()) {
        return -1;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        m_deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

void ChildProcess::signalChild(int signal) const {
    kill(m_ownGroup ? -m_pid : m_pid, signal);
}

bool ChildProcess::write(const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0 && m_input >= 0) {
        // Wait for room in the pipe, or for a stop: then only until the deadline.
        const int timeout = untilDeadline();
        pollfd fds[2] = {{m_input, POLLOUT, 0}, {timeout < 0 ? m_stopFd : -1, POLLIN, 0}};
        const int ready = poll(fds, 2, timeout);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || (ready == 0 && timeout >= 0)) {
            return false;
        }
        if (fds[0].revents == 0) {
            continue; // the stop: waits are bounded from now on
        }
        const ssize_t written = ::write(m_input, bytes, size);
        if (written < 0 && (errno == EINTR || errno == EAGAIN)) {
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
ChildProcess::Ending ChildProcess::finish() {
    if (m_input >= 0) {
        close(m_input);
        m_input = -1;
    }
    while (m_pid > 0) {
        const pid_t done = waitpid(m_pid, &m_status, WNOHANG);
        if (done == m_pid || (done < 0 && errno != EINTR)) {
            break;
        }
        int timeout = untilDeadline();
        if (timeout == 0) { // the grace ran out: ask it to end, then make it
            signalChild(m_ended ? SIGKILL : SIGTERM);
            m_ended = true;
            m_deadline = std::chrono::steady_clock::now() + m_grace;
            continue;
        }
        if (m_pidfd < 0 && (timeout < 0 || timeout > 50)) {
            timeout = 50; // no process file descriptor: look again now and then
        }
        pollfd fds[2] = {{m_pidfd, POLLIN, 0}, {m_stopSeen ? -1 : m_stopFd, POLLIN, 0}};
        poll(fds, 2, timeout);
    }
    if (m_pid > 0) {
        m_pid = 0;
    }
    if (m_pidfd >= 0) {
        close(m_pidfd);
        m_pidfd = -1;
    }
    return m_ended                                                           ? Ending::Ended
           : m_pid == 0 && WIFEXITED(m_status) && WEXITSTATUS(m_status) == 0 ? Ending::Succeeded
                                                                             : Ending::Failed;
}

std::string ChildProcess::outputTail() const {
    return lastBytes(m_output);
}

std::string ChildProcess::errorTail(size_t maxLines) const {
    std::string text = lastBytes(m_errors);
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    size_t from = text.size();
    for (size_t lines = 0; lines < maxLines && from != std::string::npos && from > 0; ++lines) {
        from = text.rfind('\n', from - 1);
    }
    return from == std::string::npos || from == 0 ? text : text.substr(from + 1);
}

ChildScript::ChildScript(const std::string& text) : m_fd(anonymousFile()) {
    for (size_t done = 0; m_fd >= 0 && done < text.size();) {
        const ssize_t written = ::write(m_fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            m_error = std::strerror(written < 0 ? errno : ENOSPC);
            close(m_fd);
            m_fd = -1;
        } else {
            done += static_cast<size_t>(written);
        }
    }
    if (m_fd < 0 && m_error.empty()) {
        m_error = std::strerror(errno);
    }
}

ChildScript::~ChildScript() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}
