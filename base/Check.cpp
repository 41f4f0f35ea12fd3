#include "base/Check.h"

#include <cstdio>

namespace {
thread_local std::string* heldReports = nullptr;
} // namespace

void reportCheckFailure(const char* condition, const char* unit, int line) {
    const std::string report = std::string("Assertion failed: ") + condition + ", file " + unit +
                               ", line " + std::to_string(line) + "\n";
    if (heldReports != nullptr) {
        *heldReports += report;
    } else {
        writeCheckReports(report);
    }
}

void holdCheckReports(std::string* held) {
    heldReports = held;
}

void writeCheckReports(const std::string& held) {
    std::fputs(held.c_str(), stderr);
    std::fflush(stderr);
}
