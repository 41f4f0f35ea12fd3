// CommandLine: the values the programs' options take, read strictly: a whole decimal number
// within bounds, nothing else; a size as WIDTHxHEIGHT.
#pragma once

#include <cstdint>
#include <string>

bool parseWholeNumber(const std::string& text, uint64_t low, uint64_t high, uint64_t& value);

// Both sides from low to high.
bool parseSize(const std::string& text, uint64_t low, uint64_t high, int& width, int& height);
