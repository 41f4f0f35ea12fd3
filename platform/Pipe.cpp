#include "platform/Pipe.h"

#include <csignal>
#include <cstdlib>

Pipe::Pipe(const std::string& command) {
    std::signal(SIGPIPE, SIG_IGN);
    m_pipe = popen(command.c_str(), "w");
}

Pipe::~Pipe() {
    finish();
}

bool Pipe::write(const void* data, size_t size) {
    return m_pipe != nullptr && std::fwrite(data, 1, size, m_pipe) == size;
}

bool Pipe::finish() {
    if (m_pipe == nullptr) {
        return false;
    }
    int status = pclose(m_pipe);
    m_pipe = nullptr;
    return status == 0;
}

bool programExists(const std::string& name) {
    return std::system(("command -v '" + name + "' > /dev/null 2>&1").c_str()) == 0;
}
