/// @file
/// MP3Probe: tells from the first bytes of a file whether it is an MPEG audio layer III stream,
/// so that the music start can tell a file of another format from one that fails to load.
#pragma once

#include <cstddef>
#include <cstdint>

/// The number of leading bytes the probe wants to see (it works with fewer).
constexpr size_t kMP3ProbeSize = 64 * 1024;

/// True when the data opens with an ID3v2 tag, or with a layer III frame header that is followed,
/// where the data reaches that far, by a second frame header right after the first frame.
bool looksLikeMP3(const uint8_t* data, size_t size);
