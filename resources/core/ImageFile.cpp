#include "resources/core/ImageFile.h"

#include "base/MemoryRoom.h"
#include "base/RegularFile.h"
#include "resources/core/ImageFailureSite.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <utility>
#include <vector>

namespace {
// The most one of stb_image's allocations may take while a picture decodes: its buffers are a few
// times the picture's pixels, and a compressed stream that inflates past them (a PNG of 2 MB
// that inflates to 2 GiB) is refused rather than given the memory.
thread_local size_t allowance = SIZE_MAX;
// Whether an allocation within the allowance failed since the decode began: memory ran out, which
// is no fault of the file.
thread_local bool outOfMemory = false;

// Zeroed: whatever a hostile file makes stb_image read that it never wrote is the same on every
// run.
void* boundedMalloc(size_t size) {
    void* memory = size <= allowance ? std::calloc(1, size) : nullptr;
    outOfMemory = outOfMemory || (memory == nullptr && size <= allowance);
    return memory;
}

void* boundedRealloc(void* pointer, size_t size) {
    void* memory = size <= allowance ? std::realloc(pointer, size) : nullptr;
    outOfMemory = outOfMemory || (memory == nullptr && size <= allowance);
    return memory;
}
} // namespace

// stb_image's own copy, for PNG, private to this file: nothing else can change its settings (such
// as flipping on load, left off) or meet its symbols. It reads from memory only and allocates with
// calloc (through boundedMalloc) and realloc, so that the pixels it returns become a PixelBuffer
// as they are. Its assertions are reachable from hostile files in this version; a file must never
// end the process, so they are left out in every build, as release builds leave them out anyway.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_FAILURE_STRINGS
#define STBI_ASSERT(condition) static_cast<void>(0)
#define STBI_MALLOC(size) boundedMalloc(size)
#define STBI_REALLOC(pointer, size) boundedRealloc(pointer, size)
#define STBI_FREE(pointer) std::free(pointer)
#include <stb_image.h>

using namespace afterglow;

namespace {
constexpr uint8_t kPNGSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kJPEGSignature[] = {0xFF, 0xD8, 0xFF};
constexpr size_t kLongestSignature = sizeof kPNGSignature;
// A PNG or JPEG file is held whole while it is decoded; none of a texture's size needs more.
constexpr uint64_t kLargestFile = uint64_t{256} << 20;

template <size_t N>
bool startsWith(const uint8_t* data, size_t size, const uint8_t (&signature)[N]) {
    return size >= N && std::memcmp(data, signature, N) == 0;
}

bool isPNGOrJPEG(const uint8_t* data, size_t size) {
    return startsWith(data, size, kPNGSignature) || startsWith(data, size, kJPEGSignature);
}

uint64_t pixelBytes(int width, int height, int channels) {
    return uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height) *
           static_cast<uint32_t>(channels);
}

bool noMemory(DecodedImage& image) {
    return INTRO_IMAGE_FAILED(image.failure, NoMemory);
}

bool notDecoded(DecodedImage& image) {
    return INTRO_IMAGE_FAILED(image.failure, NotPNGOrJPEG);
}

bool tooLarge(int width, int height, uint32_t largestSide, DecodedImage& image) {
    return (static_cast<uint32_t>(width) > largestSide ||
            static_cast<uint32_t>(height) > largestSide) &&
           !INTRO_IMAGE_FAILED(image.failure, LargerThanTexture);
}

// Size and memory are checked on the header alone, before any pixel is decoded.
bool decodePNGParts(const uint8_t* data, size_t size, uint32_t largestSide, DecodedImage& image) {
    const int length = static_cast<int>(size);
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels)) {
        return notDecoded(image);
    }
    if (tooLarge(width, height, largestSide, image)) {
        return false;
    }
    // Grey becomes R, G, B; grey with alpha R, G, B, A.
    const int wanted = channels == 2 || channels == 4 ? 4 : 3;
    // While it decodes, stb_image holds the rows it inflated beside the pixels it returns.
    if (!roomLeftFor(2 * pixelBytes(width, height, wanted))) {
        return noMemory(image);
    }
    allowance = 4 * pixelBytes(width, height, 4) + (size_t{1} << 20);
    outOfMemory = false;
    stbi_uc* pixels = stbi_load_from_memory(data, length, &width, &height, &channels, wanted);
    allowance = SIZE_MAX;
    if (pixels == nullptr) {
        return outOfMemory ? noMemory(image) : notDecoded(image);
    }
    image.pixels.reset(pixels);
    image.capacity = pixelBytes(width, height, wanted);
    image.width = static_cast<uint32_t>(width);
    image.height = static_cast<uint32_t>(height);
    image.bpp = 8u * static_cast<uint32_t>(wanted);
    image.topRowFirst = true;
    return true;
}

struct DestroyDecompressor {
    void operator()(tjhandle decompressor) const { tjDestroy(decompressor); }
};

// JPEG goes to libjpeg-turbo, whose decoder is fuzzed continuously upstream: stb_image's (2.27)
// let hostile scans drive its bit reader below empty. Every picture comes out as R, G, B. A
// warning (a scan cut short, a damaged marker) fails the picture rather than filling the rest in
// grey, and a progressive file with an absurd number of scans is refused rather than decoded for
// minutes.
bool decodeJPEGParts(const uint8_t* data, size_t size, uint32_t largestSide, DecodedImage& image) {
    const std::unique_ptr<void, DestroyDecompressor> decompressor(tjInitDecompress());
    if (decompressor == nullptr) {
        return noMemory(image);
    }
    const auto length = static_cast<unsigned long>(size);
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(decompressor.get(), data, length, &width, &height, &subsampling,
                            &colourspace) != 0) {
        return notDecoded(image);
    }
    if (tooLarge(width, height, largestSide, image)) {
        return false;
    }
    if (colourspace == TJCS_CMYK || colourspace == TJCS_YCCK) {
        return INTRO_IMAGE_FAILED(image.failure, CMYKJPEG);
    }
    // A progressive file's coefficients, two bytes a sample, are held beside the pixels.
    const uint64_t pixelSize = pixelBytes(width, height, 3);
    PixelBuffer pixels = roomLeftFor(3 * pixelSize) ? allocatePixelBuffer(pixelSize) : nullptr;
    if (pixels == nullptr) {
        return noMemory(image);
    }
    if (tjDecompress2(decompressor.get(), data, length, pixels.get(), width, 0, height, TJPF_RGB,
                      TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0) {
        const char* reason = tjGetErrorStr2(decompressor.get());
        return std::strncmp(reason, "Insufficient memory", 19) == 0 ? noMemory(image)
                                                                    : notDecoded(image);
    }
    image.pixels = std::move(pixels);
    image.capacity = pixelSize;
    image.width = static_cast<uint32_t>(width);
    image.height = static_cast<uint32_t>(height);
    image.bpp = 24;
    image.topRowFirst = true;
    return true;
}

bool decodePNGOrJPEGParts(const uint8_t* data, size_t size, uint32_t largestSide,
                          DecodedImage& image) {
    if (size > kLargestFile) {
        return noMemory(image);
    }
    return startsWith(data, size, kJPEGSignature) ? decodeJPEGParts(data, size, largestSide, image)
                                                  : decodePNGParts(data, size, largestSide, image);
}

// A palette PNG whose palette has fewer than 256 entries, with the palette grown to 256 (the new
// ones black); empty for any other file. stb_image (2.27) reads an index past the palette from
// its own uninitialised memory: a picture that differed from run to run.
std::vector<uint8_t> fullPalette(const uint8_t* data, size_t size) {
    constexpr size_t kColourType = 25, kFirstChunk = 8, kFullPalette = 3 * 256;
    if (size <= kColourType || !startsWith(data, size, kPNGSignature) || data[kColourType] != 3) {
        return {};
    }
    // Chunks: a length (4 bytes, big-endian), a type (4), the data, a CRC (4).
    for (size_t at = kFirstChunk; at + 8 <= size;) {
        const size_t length = size_t{data[at]} << 24 | size_t{data[at + 1]} << 16 |
                              size_t{data[at + 2]} << 8 | data[at + 3];
        if (std::memcmp(data + at + 4, "PLTE", 4) == 0) {
            const size_t end = at + 8 + length;
            if (length >= kFullPalette || end > size) {
                return {};
            }
            std::vector<uint8_t> grown(data, data + end);
            grown.resize(at + 8 + kFullPalette, 0);
            grown.insert(grown.end(), data + end, data + size);
            grown[at] = 0, grown[at + 1] = 0, grown[at + 2] = kFullPalette >> 8;
            grown[at + 3] = kFullPalette & 0xFF;
            return grown;
        }
        if (length > size - at - 8) {
            return {};
        }
        at += 12 + length;
    }
    return {};
}

bool decodePNGOrJPEG(const uint8_t* data, size_t size, uint32_t largestSide, DecodedImage& image) {
    const std::vector<uint8_t> grown = fullPalette(data, size);
    if (!grown.empty()) {
        data = grown.data(), size = grown.size();
    }
    image.failure = ImageFailure();
    if (!decodePNGOrJPEGParts(data, size, largestSide, image)) {
        forgetAllButFailure(image);
        return false;
    }
    return true;
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

bool decodeImage(const uint8_t* data, size_t size, uint32_t largestSide, DecodedImage& image) {
    return isPNGOrJPEG(data, size) ? decodePNGOrJPEG(data, size, largestSide, image)
                                   : decodeTGA(data, size, largestSide, image);
}

bool readImageFile(const std::string& f, uint32_t largestSide, DecodedImage& image) {
    std::unique_ptr<std::FILE, CloseFile> file(openRegularFile(f.c_str()));
    uint8_t first[kLongestSignature];
    const size_t available = file ? std::fread(first, 1, sizeof first, file.get()) : 0;
    if (!isPNGOrJPEG(first, available)) {
        // Read again from its start by the TGA reader, which reads no more of it than it needs.
        file.reset();
        return readTGAFile(f, largestSide, image);
    }
    struct stat info;
    const uint64_t fileSize =
        fstat(fileno(file.get()), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    PixelBuffer bytes =
        fileSize <= kLargestFile && roomLeftFor(fileSize) ? allocatePixelBuffer(fileSize) : nullptr;
    if (bytes == nullptr) {
        forgetAllButFailure(image);
        return noMemory(image);
    }
    std::rewind(file.get());
    const size_t got = std::fread(bytes.get(), 1, fileSize, file.get());
    return decodePNGOrJPEG(bytes.get(), got, largestSide, image);
}
