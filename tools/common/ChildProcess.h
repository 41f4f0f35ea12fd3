/// @file
/// ChildProcess: another program, started without a shell from an argument vector and fed on its
/// standard input, as the content tool feeds lame and the capture tool feeds ffmpeg. Arguments
/// reach the program exactly as given, so no file name is ever read as shell syntax.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess {
  public:
    /// Starts argv[0], looked up on the PATH. Its standard output and error are kept (their
    /// tails can be had with outputTail() and errorTail()). With ownGroup the child gets a
    /// process group of its own, so that a Ctrl-C at the terminal reaches only us and we decide
    /// when it finishes. The child never outlives us, however we end: it is killed when the thread
    /// that started it ends, so start it from the main thread. started() says whether it runs.
    /// The child has our environment, with each "NAME=value" of environment set in it. The
    /// program ignores SIGPIPE, so that a write to a child that has ended fails (EPIPE) rather
    /// than end it.
    ChildProcess(const std::vector<std::string>& argv, bool ownGroup,
                 const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }
    const std::string& startError() const { return m_startError; }

    /// Bounds the waits from the moment fd turns readable (a stop signal's self-pipe): from then
    /// on write() and finish() wait for the child at most grace, after which finish() ends it.
    void stopOn(int fd, std::chrono::milliseconds grace);

    /// Writes all of data to the child's input; false once the child has stopped reading, or
    /// when a stop's grace ran out before it took everything.
    bool write(const void* data, size_t size);

    enum class Ending { Succeeded, Failed, Ended };
    /// Closes the child's input and waits for it: Succeeded when it exited with status 0, Failed
    /// otherwise. After a stop, a child still running when the grace runs out is asked to end
    /// (SIGTERM, to its whole group when it has one), killed after a second grace: Ended.
    Ending finish();
    /// The last lines (at most maxLines) the child wrote to its standard error.
    std::string errorTail(size_t maxLines) const;
    /// The last 4 KiB the child wrote to its standard output.
    std::string outputTail() const;

  private:
    /// Once a stop was seen: true (and when the grace runs out) or false.
    bool stopped();
    /// Milliseconds to the stop's deadline for poll(): -1 (none) before a stop, else 0 or more.
    int untilDeadline();
    void signalChild(int signal) const;

    pid_t m_pid = -1;
    bool m_ownGroup = false;
    int m_input = -1;
    int m_pidfd = -1; // readable once the child has exited
    int m_stopFd = -1;
    std::chrono::milliseconds m_grace{0};
    std::chrono::steady_clock::time_point m_deadline{};
    bool m_stopSeen = false;
    bool m_ended = false; // signalled by us after a stop
    int m_errors = -1;    // files in memory holding the child's standard error and output
    int m_output = -1;
    int m_status = -1;
    std::string m_startError;
};

/// The full path of an executable of that name on the PATH, or "" when there is none.
std::string findProgram(const std::string& name);

/// Text in a file in memory that vanishes once closed, for a child started
/// while it is open to read as path(): a file of options too long for an argument.
class ChildScript {
  public:
    explicit ChildScript(const std::string& text);
    ~ChildScript();
    ChildScript(const ChildScript&) = delete;
    ChildScript& operator=(const ChildScript&) = delete;

    /// Whether the whole text was written; else error says why.
    bool ok() const { return m_fd >= 0; }
    const std::string& error() const { return m_error; }
    std::string path() const { return "/dev/fd/" + std::to_string(m_fd); }

  private:
    int m_fd;
    std::string m_error;
};
