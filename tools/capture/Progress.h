#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

// Progress on stderr: one updating line on a terminal, a plain line every few seconds otherwise.
class Progress {
  public:
    Progress(const std::string& program, uint64_t total)
        : m_program(program), m_total(total), m_terminal(isatty(STDERR_FILENO) != 0) {}
    void update(uint64_t done, uint32_t clock) {
        double now = seconds();
        if (now - m_last < (m_terminal ? 0.25 : 5.0)) {
            return;
        }
        m_last = now;
        std::fprintf(stderr, "%s%s: frame %llu of %llu (%.0f%%), clock %u ms, %.1f frames/s%s",
                     m_terminal ? "\r" : "", m_program.c_str(),
                     static_cast<unsigned long long>(done),
                     static_cast<unsigned long long>(m_total), 100.0 * done / m_total, clock,
                     done / now, m_terminal ? "" : "\n");
    }
    // Ends an updating line, so that the next message starts on a line of its own.
    void clear() {
        if (m_terminal) {
            std::fprintf(stderr, "\r\033[K");
        }
    }
    void finish(uint64_t done, int fps) {
        double elapsed = seconds();
        std::fprintf(stderr, "%s%s: wrote %llu frames in %.1f s: %.1f frames/s, %.2f x real time\n",
                     m_terminal ? "\r\033[K" : "", m_program.c_str(),
                     static_cast<unsigned long long>(done), elapsed, done / elapsed,
                     static_cast<double>(done) / fps / elapsed);
    }

  private:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }
    std::string m_program;
    uint64_t m_total;
    bool m_terminal;
    double m_last = 0;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
