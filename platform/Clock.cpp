#include "platform/Clock.h"

#include <chrono>

namespace afterglow {

namespace {
// Taken during static initialisation, so start-up time counts against the first scene.
const std::chrono::steady_clock::time_point kProcessStart = std::chrono::steady_clock::now();
} // namespace

uint64_t clockMs() {
    auto elapsed = std::chrono::steady_clock::now() - kProcessStart;
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

} // namespace afterglow
