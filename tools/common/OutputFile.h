// OutputFile: writing a whole file that a user asked for, so that a failure is never mistaken
// for success: every write and the close are checked, and a partial file is removed.
#pragma once

#include <cstddef>
#include <string>

// Writes size bytes to path, creating or truncating it. On failure returns false with the
// system's reason in error, and removes what was written when path is a plain file (a link or
// a device the user pointed it at stays).
bool writeOutputFile(const std::string& path, const void* data, size_t size, std::string& error);
