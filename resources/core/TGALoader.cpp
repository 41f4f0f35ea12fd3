#include "resources/core/TGALoader.h"

#include "base/Check.h"
#include "base/MemoryRoom.h"
#include "base/RegularFile.h"
#include "resources/core/ImageFailureSite.h"
#include "resources/core/TGAPixels.h"

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace afterglow {

namespace {
constexpr size_t kHeaderSize = 18;

// Bytes 0 to 11 of a file: ID length, colour map type, image type, colour map first index (2),
// colour map length (2), colour map entry size, x origin (2), y origin (2).
constexpr size_t kFileHeaderSize = 12;
// The two accepted headers keep their long-standing names.
// NOLINTNEXTLINE(readability-identifier-naming)
const unsigned char rawSignature[kFileHeaderSize] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
// NOLINTNEXTLINE(readability-identifier-naming)
const unsigned char rleSignature[kFileHeaderSize] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

struct Header {
    bool runLength = false;
    bool topRowFirst = false;
    uint32_t width = 0, height = 0, bpp = 0;
    uint64_t pixelcount() const { return uint64_t{width} * height; }
    uint64_t size() const { return pixelcount() * (bpp / 8); }
};

// Checks the first bytes of a file (available of them, at most 18 needed): the file header, its
// signature, then the info header: width (2), height (2), depth in bits, descriptor (of which
// only the top-left origin bit is read).
bool parseHeader(const uint8_t* data, size_t available, Header& header, ImageFailure& failure) {
    if (available < kFileHeaderSize) {
        return INTRO_IMAGE_FAILED(failure, NoFileHeader);
    }
    header.runLength = std::memcmp(data, rleSignature, kFileHeaderSize) == 0;
    if (!header.runLength && std::memcmp(data, rawSignature, kFileHeaderSize) != 0) {
        return INTRO_IMAGE_FAILED(failure, NotType2Or10);
    }
    if (available < kHeaderSize) {
        return INTRO_IMAGE_FAILED(failure, NoInfoHeader);
    }
    header.width = data[12] + 256u * data[13];
    header.height = data[14] + 256u * data[15];
    header.bpp = data[16];
    header.topRowFirst = (data[17] & 0x20) != 0;
    if (header.width == 0 || header.height == 0 || (header.bpp != 24 && header.bpp != 32)) {
        return INTRO_IMAGE_FAILED(failure, InvalidInformation);
    }
    return true;
}

// Every packet holds at most 128 pixels in at least 1 + bytes-per-pixel bytes: packet data
// shorter than this cannot hold the image, whatever its packets say.
bool packetsTooShort(const Header& header, uint64_t dataSize) {
    return dataSize / (1 + header.bpp / 8) * 128 < header.pixelcount();
}

// Makes buffer hold at least size bytes, keeping it when it already does (from an earlier load);
// false after a report when there is no memory for it, or too little would be left.
bool reserve(PixelBuffer& buffer, uint64_t& capacity, uint64_t size, ImageFailure& failure) {
    if (buffer == nullptr || capacity < size) {
        buffer = roomLeftFor(size) ? allocatePixelBuffer(size) : nullptr;
        capacity = buffer != nullptr ? size : 0;
    }
    if (buffer == nullptr) {
        return INTRO_IMAGE_FAILED(failure, NoMemory);
    }
    return true;
}

// The last checks before the buffer exists, so that no image that cannot become a texture
// costs memory or time.
bool allocatePixels(const Header& header, uint32_t largestSide, DecodedImage& image) {
    if (header.width > largestSide || header.height > largestSide) {
        return INTRO_IMAGE_FAILED(image.failure, LargerThanTexture);
    }
    if (!reserve(image.pixels, image.capacity, header.size() + kPixelSlack, image.failure)) {
        return false;
    }
    image.width = header.width;
    image.height = header.height;
    image.bpp = header.bpp;
    image.topRowFirst = header.topRowFirst;
    return true;
}

// The build of the pixel loops this processor runs best, chosen once.
struct PixelLoops {
    void (*exchangeRedBlue)(uint8_t*, const uint8_t*, uint64_t, unsigned);
    PacketResult (*decodePackets)(uint8_t*, uint64_t, const uint8_t*, const uint8_t*, unsigned);
};

const PixelLoops& pixelLoops() {
#if defined(__x86_64__) || defined(__i386__)
    static const PixelLoops loops =
        __builtin_cpu_supports("ssse3")
            ? PixelLoops{tga_ssse3::exchangeRedBlue, tga_ssse3::decodePackets}
            : PixelLoops{tga_generic::exchangeRedBlue, tga_generic::decodePackets};
#else
    static const PixelLoops loops{tga_generic::exchangeRedBlue, tga_generic::decodePackets};
#endif
    return loops;
}

// Decodes (or, with no buffer, walks) the packet data of a run-length image; false with its
// failure.
bool decodeRunLength(const Header& header, uint8_t* out, const uint8_t* data, size_t size,
                     ImageFailure& failure) {
    const PacketResult result =
        pixelLoops().decodePackets(out, header.pixelcount(), data, data + size, header.bpp / 8);
    switch (result) {
    case PacketResult::NoHeader:
        return INTRO_IMAGE_FAILED(failure, NoRLEHeader);
    case PacketResult::NoPixel:
        return INTRO_IMAGE_FAILED(failure, NoImageData);
    case PacketResult::TooManyPixels:
        return INTRO_IMAGE_FAILED(failure, TooManyPixels);
    case PacketResult::Complete:
        break;
    }
    return true;
}

bool rawDataTooShort(const Header& header, uint64_t dataSize, ImageFailure& failure) {
    return dataSize < header.size() && !INTRO_IMAGE_FAILED(failure, NoImageData);
}

void exchangeRedBlue(const Header& header, uint8_t* out, const uint8_t* in) {
    pixelLoops().exchangeRedBlue(out, in, header.pixelcount(), header.bpp / 8);
}

// Reads up to size bytes, fewer only at the end of the file or on an error.
size_t readFully(int fd, uint8_t* out, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t got = read(fd, out + done, size - done);
        if (got <= 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    return done;
}

// Bytes after the header, as the decoder reads them.
struct Span {
    const uint8_t* data = nullptr;
    uint64_t size = 0;
};

// The one decoder, from an image's first available bytes (its header, or what there is of it) and
// the number of bytes said to follow the header, dataSize. Those bytes are asked for only once
// the header and dataSize have passed every check they can: fetch(count, into, span) yields the
// first count of them (count <= dataSize; fewer only where a file turns out shorter), copied to
// into when they must be copied and into is not null; false with its failure in the image.
template <typename Fetch>
bool decodeParts(const uint8_t* first, size_t available, uint64_t dataSize, uint32_t largestSide,
                 DecodedImage& image, Fetch fetch) {
    Header header;
    ImageFailure& failure = image.failure;
    if (!parseHeader(first, available, header, failure)) {
        return false;
    }
    Span in;
    if (!header.runLength) {
        if (rawDataTooShort(header, dataSize, failure) ||
            !allocatePixels(header, largestSide, image) ||
            !fetch(header.size(), image.pixels.get(), in) ||
            rawDataTooShort(header, in.size, failure)) {
            return false;
        }
        exchangeRedBlue(header, image.pixels.get(), in.data);
        return true;
    }
    // Packet data too short for the image is only walked, for its failure. Never more packets
    // are fetched than the image could use (one pixel a packet), and one longest packet that
    // overflows it.
    const bool tooShort = packetsTooShort(header, dataSize);
    const uint64_t bytesPerPixel = header.bpp / 8;
    const uint64_t wanted =
        std::min(dataSize, header.pixelcount() * (1 + bytesPerPixel) + 1 + 128 * bytesPerPixel);
    return (tooShort || allocatePixels(header, largestSide, image)) && fetch(wanted, nullptr, in) &&
           decodeRunLength(header, tooShort ? nullptr : image.pixels.get(), in.data, in.size,
                           failure);
}

template <typename Fetch>
bool decode(const uint8_t* first, size_t available, uint64_t dataSize, uint32_t largestSide,
            DecodedImage& image, Fetch fetch) {
    image.failure = ImageFailure();
    if (!decodeParts(first, available, dataSize, largestSide, image, fetch)) {
        forgetAllButFailure(image);
        return false;
    }
    return true;
}
} // namespace

void reportImageFailure(const ImageFailure& failure) {
    if (failure.error == ImageError::None) {
        return;
    }
    const std::string condition = std::string("false && \"") + errorText(failure.error) + "\"";
    reportCheckFailure(condition.c_str(), failure.unit, failure.line);
}

void forgetAllButFailure(DecodedImage& image) {
    const ImageFailure failure = image.failure;
    image = DecodedImage();
    image.failure = failure;
}

// A fresh buffer costs a page fault per page at its first touch, which for a large image costs
// more than decoding it. Large buffers are asked for in huge pages: 2 MiB aligned, with the
// kernel's advice taken where it is given.
PixelBuffer allocatePixelBuffer(uint64_t size) {
    constexpr uint64_t kHugePage = 2u << 20;
    if (size < kHugePage) {
        return PixelBuffer(static_cast<uint8_t*>(std::malloc(size)));
    }
    uint64_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* buffer = std::aligned_alloc(kHugePage, rounded);
    if (buffer != nullptr) {
        madvise(buffer, rounded, MADV_HUGEPAGE);
    }
    return PixelBuffer(static_cast<uint8_t*>(buffer));
}

bool decodeTGA(const uint8_t* data, size_t size, uint32_t largestSide, DecodedImage& image) {
    auto inMemory = [&](uint64_t count, uint8_t*, Span& span) {
        span = {data + kHeaderSize, count};
        return true;
    };
    const uint64_t dataSize = size > kHeaderSize ? size - kHeaderSize : 0;
    return decode(data, size, dataSize, largestSide, image, inMemory);
}

bool readTGAFile(const std::string& f, uint32_t largestSide, DecodedImage& image) {
    std::FILE* opened = openRegularFile(f.c_str());
    if (opened == nullptr) {
        forgetAllButFailure(image);
        return INTRO_IMAGE_FAILED(image.failure, CannotOpen);
    }
    struct Closer {
        std::FILE* file;
        ~Closer() { std::fclose(file); }
    } closer{opened};
    const int fd = fileno(opened);
    struct stat info;
    const uint64_t fileSize = fstat(fd, &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    uint8_t first[kHeaderSize];
    const size_t available = readFully(fd, first, sizeof first);
    // Raw pixels are read straight into the image's buffer and exchanged in place; packets into
    // the image's packet buffer, kept for a later load.
    auto fromFile = [&](uint64_t count, uint8_t* into, Span& span) {
        if (into == nullptr && count > 0) {
            if (!reserve(image.packets, image.packetCapacity, count, image.failure)) {
                return false;
            }
            into = image.packets.get();
        }
        span = {into, count > 0 ? readFully(fd, into, count) : 0};
        return true;
    };
    const uint64_t dataSize = fileSize > kHeaderSize ? fileSize - kHeaderSize : 0;
    return decode(first, available, dataSize, largestSide, image, fromFile);
}

} // namespace afterglow
