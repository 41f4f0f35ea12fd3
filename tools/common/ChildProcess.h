// ChildProcess: another program, started without a shell from an argument vector and fed on its
// standard input, as the content tool feeds lame and the capture tool feeds ffmpeg. Arguments
// reach the program exactly as given, so no file name is ever read as shell syntax.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess {
  public:
    // Starts argv[0], looked up on the PATH. Its standard error is kept (the last lines can be
    // had with errorTail()); its standard output is discarded. With ownGroup the child gets a
    // process group of its own, so that a Ctrl-C at the terminal reaches only us and we decide
    // when it finishes. started() says whether it runs.
    ChildProcess(const std::vector<std::string>& argv, bool owngroup);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }
    const std::string& startError() const { return m_starterror; }

    // Writes all of data to the child's input; false once the child has stopped reading.
    bool write(const void* data, size_t size);
    // Closes the child's input and waits for it; true when it exited with status 0.
    bool finish();
    // The last lines (at most maxLines) the child wrote to its standard error.
    std::string errorTail(size_t maxlines) const;

  private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_errors = -1; // an unlinked temporary file holding the child's standard error
    int m_status = -1;
    std::string m_starterror;
};

// The full path of an executable of that name on the PATH, or "" when there is none.
std::string findProgram(const std::string& name);
