// Pipe: another program run through the shell and fed on its standard input, as the content
// tool feeds lame and the capture tool feeds ffmpeg.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class Pipe {
  public:
    // Starts the command. A write to a program that has ended fails instead of killing us.
    explicit Pipe(const std::string& command);
    ~Pipe();
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool write(const void* data, size_t size);
    // Closes the program's input and waits for it; true when it exited with status 0.
    bool finish();

  private:
    std::FILE* m_pipe;
};

// Whether a program of that name is on the PATH.
bool programExists(const std::string& name);
