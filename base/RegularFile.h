/// @file
/// RegularFile: how every loader opens the data files it reads.
#pragma once

#include <cstdio>

/// Opens path for reading ("rb") when it names a regular file or a link to one; null otherwise,
/// as for a file that does not exist. A FIFO or a device is never opened for reading, where a
/// read could wait forever; a folder is never mistaken for an empty file.
std::FILE* openRegularFile(const char* path);
