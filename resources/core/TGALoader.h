/// @file
/// TGALoader: decodes a Truevision TGA file into plain pixels. Accepts exactly uncompressed
/// (type 2) and run-length encoded (type 10) true-colour images at 24 or 32 bits with no image ID,
/// no colour map and a zero origin, no wider or taller than the largest texture side it is given;
/// refuses anything else, saying why in the image's `failure` and printing nothing: the caller
/// decides what to tell whom (`reportImageFailure` writes the loaders' check report). Rows stay in
/// the order the file stores them, and the descriptor's origin bit says whether that is top row
/// first; pixels come out as R, G, B (, A). Knows nothing of GL: Texture uploads what it yields.
///
/// ```
/// afterglow::DecodedImage image;
/// if (afterglow::readTGAFile("data/s1.tga", afterglow::kLargestTextureSide, image)) {
///     // image.width, image.height, image.bpp, image.pixels, image.topRowFirst
/// } else {
///     afterglow::reportImageFailure(image.failure); // or act on image.failure.error
/// }
/// ```
#pragma once

#include "base/ErrorTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace afterglow {

/// The largest texture side of the GL drivers we run on (Mesa's software renderer among them),
/// for decoding without a GL context; with one, the driver's own GL_MAX_TEXTURE_SIZE is used.
constexpr uint32_t kLargestTextureSide = 16384;

/// The ways a picture can fail to decode, with the words of each one's report.
#define INTRO_IMAGE_ERRORS(X)                                                                      \
    X(CannotOpen, "could not open texture file")                                                   \
    X(NoFileHeader, "Could not read file header")                                                  \
    X(NotType2Or10, "TGA file be type 2 or type 10: Invalid Image")                                \
    X(NoInfoHeader, "Could not read info header")                                                  \
    X(InvalidInformation, "Invalid texture information")                                           \
    X(NoMemory, "Could not allocate memory for image")                                             \
    X(LargerThanTexture, "Image larger than the largest texture")                                  \
    X(NoRLEHeader, "Could not read RLE header")                                                    \
    X(NoImageData, "Could not read image data")                                                    \
    X(TooManyPixels, "Too many Pixels read")                                                       \
    X(NotPNGOrJPEG, "Could not decode PNG or JPEG image")                                          \
    X(CMYKJPEG, "Could not decode CMYK JPEG image: save it as RGB")
INTRO_ERROR_TABLE(ImageError, INTRO_IMAGE_ERRORS)

/// Why a decode failed, and where in the decoder that was found (the check report names it).
struct ImageFailure {
    ImageError error = ImageError::None;
    const char* unit = "";
    int line = 0;
};

/// Writes the loaders' check report for a failure to standard error (nothing for None):
/// `Assertion failed: false && "Could not read file header", file TGALoader.cpp, line 42`.
void reportImageFailure(const ImageFailure& failure);

struct FreePixels {
    void operator()(uint8_t* pixels) const { std::free(pixels); }
};
using PixelBuffer = std::unique_ptr<uint8_t[], FreePixels>;

/// A pixel buffer of size bytes, or null when there is no memory for it. Released with free().
PixelBuffer allocatePixelBuffer(uint64_t size);

struct DecodedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bpp = 0; // 24 or 32
    /// Whether the first row in pixels is the picture's top row; else it is the bottom row.
    bool topRowFirst = false;
    PixelBuffer pixels;
    uint64_t capacity = 0; // bytes in pixels; a later load into the same image reuses them
    /// Run-length packets as readTGAFile reads them from a file, kept like pixels.
    PixelBuffer packets;
    uint64_t packetCapacity = 0;
    /// Why the last decode into the image failed; error None after one that succeeded.
    ImageFailure failure;
};

/// Decodes a whole file held in memory into image, reusing its buffer when it is large enough.
/// False with the image left empty but for its failure.
bool decodeTGA(const uint8_t* data, size_t size, uint32_t largestSide, DecodedImage& image);

/// Opens and decodes the file f the same way: the same failure as decodeTGA over the file's
/// bytes, and CannotOpen when it cannot be opened or is not a regular file. Reads no more of the
/// file than the decode can use, raw pixels straight into the image's buffer. Keeps no state of its
/// own: loads into different images may run at once.
bool readTGAFile(const std::string& f, uint32_t largestSide, DecodedImage& image);

} // namespace afterglow
