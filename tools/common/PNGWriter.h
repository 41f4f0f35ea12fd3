/// @file
/// PNGWriter: saves RGB pixels, top row first, as a PNG file.
///
/// ```
/// std::string error;
/// if (!afterglow::writePNG("frame.png", context.width(), context.height(), context.readPixels(),
///                          error)) { std::fprintf(stderr, "%s\n", error.c_str()); }
/// ```
#pragma once

#include "tools/common/OutputFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace afterglow {

/// False, with the reason in error and no partial file left, when the file cannot be written.
bool writePNG(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error);
/// The same into an output already opened, which the caller commits.
bool writePNG(OutputFile& file, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error);

} // namespace afterglow
