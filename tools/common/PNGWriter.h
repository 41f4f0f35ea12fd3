// PNGWriter: saves RGB pixels, top row first, as a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// False, with the reason in error and no partial file left, when the file cannot be written.
bool writePNG(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error);
