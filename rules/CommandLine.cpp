#include "rules/CommandLine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

bool parseWholeNumber(const std::string& text, uint64_t low, uint64_t high, uint64_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    // Leading zeros change nothing; more than 19 digits left would overflow the arithmetic.
    const size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
    if (text.size() - first > 19) {
        return false;
    }
    value = std::strtoull(text.c_str() + first, nullptr, 10);
    return value >= low && value <= high;
}

bool parseSize(const std::string& text, uint64_t low, uint64_t high, int& width, int& height) {
    const size_t x = text.find('x');
    uint64_t w = 0, h = 0;
    if (x == std::string::npos || !parseWholeNumber(text.substr(0, x), low, high, w) ||
        !parseWholeNumber(text.substr(x + 1), low, high, h)) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

std::string programName(const char* argv0, const std::string& fallback) {
    const std::string path = argv0 != nullptr ? argv0 : "";
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.empty() ? fallback : name;
}

bool printAll(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}
