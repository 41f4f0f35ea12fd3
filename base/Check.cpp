#include "base/Check.h"

#include <cstdio>
#include <string>

void reportCheckFailure(const char* condition, const char* unit, int line) {
    const std::string report = std::string("Assertion failed: ") + condition + ", file " + unit +
                               ", line " + std::to_string(line) + "\n";
    std::fputs(report.c_str(), stderr);
    std::fflush(stderr);
}
