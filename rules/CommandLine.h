// CommandLine: the values the programs' options take, read strictly: a whole decimal number
// within bounds, nothing else; a size as WIDTHxHEIGHT. The name a program calls itself by, and
// the printing of its usage.
#pragma once

#include <cstdint>
#include <string>

bool parseWholeNumber(const std::string& text, uint64_t low, uint64_t high, uint64_t& value);

// Both sides from low to high.
bool parseSize(const std::string& text, uint64_t low, uint64_t high, int& width, int& height);

// The name the program was started by (argv[0], possibly null), without its folder: what it
// calls itself in messages; fallback when there is none.
std::string programName(const char* argv0, const std::string& fallback);

// Writes text to standard output in full; false when it could not (a closed pipe, a full disk).
bool printAll(const std::string& text);
