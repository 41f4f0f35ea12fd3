/// @file
/// ImageFile: decodes a picture file of any format the intro reads, told apart by its first bytes:
/// PNG (by stb_image) and JPEG (by libjpeg-turbo; grey and palette pictures come out as R, G, B,
/// with alpha only when a PNG has an alpha channel or palette transparency; a CMYK JPEG is not
/// read) and, for everything else, TGA through TGALoader, with its failures. The same size and
/// memory bounds hold for every format, checked before a pixel is decoded. Knows nothing of GL.
#pragma once

#include "resources/core/TGALoader.h"

#include <cstddef>
#include <cstdint>
#include <string>

/// Decodes a whole file held in memory into image, as decodeTGA does for a TGA file. False with
/// the image left empty but for its failure.
bool decodeImage(const uint8_t* data, size_t size, uint32_t largestSide,
                 afterglow::DecodedImage& image);

/// Opens and decodes the file f the same way: a TGA file (or one that cannot be opened) exactly
/// as readTGAFile reads it; a PNG or JPEG file is read whole, then decoded as decodeImage
/// decodes it. Keeps no state of its own: loads into different images may run at once.
bool readImageFile(const std::string& f, uint32_t largestSide, afterglow::DecodedImage& image);
