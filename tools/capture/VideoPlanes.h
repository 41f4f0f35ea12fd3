// VideoPlanes: a frame as read back from the GL (BGRA, rows bottom first) turned into the
// video's planar 4:2:0 (Y, then U, then V, rows top first) in the colours ffmpeg itself would
// make of it: the BT.601 matrix at limited range, chroma the mean of each 2x2 block. The video
// is tagged to match. ffmpeg then takes 1.5 bytes a pixel and converts nothing.
#pragma once

#include <cstddef>
#include <cstdint>

// The bytes of a 4:2:0 frame of an even width and height.
inline size_t videoPlanesBytes(int width, int height) {
    return static_cast<size_t>(width) * height * 3 / 2;
}

// Converts a width x height frame (both even) into planes, which holds videoPlanesBytes.
void videoPlanesFromReadBack(const uint8_t* bgra, int width, int height, uint8_t* planes);
