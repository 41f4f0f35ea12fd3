// WholeVideo: whether an MP4 file that ffmpeg says it finished is whole, read from its top-level
// boxes: they must lie end to end up to the file's end and hold the file type, the index (moov)
// and the media data. ffmpeg has been seen to end with 0 after a full disk cut the index off, and
// a stand-in encoder may leave anything.
#pragma once

#include <string>

// What is wrong with the file at path, in a few words; empty when it is whole.
std::string videoFault(const std::string& path);
