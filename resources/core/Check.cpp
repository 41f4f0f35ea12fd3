#include "resources/core/Check.h"

#include <cstdio>

void reportCheckFailure(const char* condition, const char* unit, int line) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, unit, line);
    std::fflush(stderr);
}
