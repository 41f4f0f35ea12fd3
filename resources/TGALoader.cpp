#include "resources/TGALoader.h"

#include "resources/Check.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
// Bytes 0 to 11 of the last file read: ID length, colour map type, image type, colour map
// first index (2), colour map length (2), colour map entry size, x origin (2), y origin (2).
unsigned char fileheader[12];
const unsigned char rawSignature[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const unsigned char rleSignature[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Closes the file and yields a reader's failure result; used right after a failed check.
bool closeAndFail(FileReader& file) {
    file.close();
    return false;
}

// Reads and checks the info header (bytes 12 to 17) into the texture and gives the size of its
// pixel buffer in bytes. Width, height and depth are stored before they are checked.
bool readInfoHeader(Texture* texture, FileReader& file, uint64_t& size) {
    // width (2), height (2), depth in bits, descriptor (never examined)
    uint8_t info[6];
    if (file.read(info, sizeof info) != sizeof info) {
        INTRO_CHECK(false && "Could not read info header");
        return closeAndFail(file);
    }
    texture->m_width = info[0] + 256u * info[1];
    texture->m_height = info[2] + 256u * info[3];
    texture->m_bpp = info[4];
    if (texture->m_width == 0 || texture->m_height == 0 ||
        (texture->m_bpp != 24 && texture->m_bpp != 32)) {
        INTRO_CHECK(false && "Invalid texture information");
        return closeAndFail(file);
    }
    texture->m_format = texture->m_bpp == 24 ? GL_RGB : GL_RGBA;
    size = uint64_t{texture->m_bpp / 8} * texture->m_width * texture->m_height;
    return true;
}

bool allocatePixels(Texture* texture, FileReader& file, uint64_t size) {
    texture->m_imagedata = allocatePixelBuffer(size);
    if (texture->m_imagedata == nullptr) {
        INTRO_CHECK(false && "Could not allocate memory for image");
        return closeAndFail(file);
    }
    return true;
}

// storePixel for the whole-packet path, where the byte after each pixel may be read and written
// (the next pixel overwrites it): one 4-byte load and store per pixel at either depth.
template <size_t N> void storePixelWide(uint8_t* out, const uint8_t* in) {
    uint32_t v;
    std::memcpy(&v, in, 4);
    v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
    std::memcpy(out, &v, 4);
}

// One pixel from file order (B, G, R (, A)) to buffer order (R, G, B (, A)).
template <size_t N> void storePixel(uint8_t* out, const uint8_t* in) {
    if constexpr (N == 4) {
        storePixelWide<4>(out, in);
    } else {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
    }
}

// Writes count copies of one pixel, doubling what is already written.
template <size_t N> void fillPixels(uint8_t* out, const uint8_t* pixel, size_t count) {
    if (count == 0) {
        return;
    }
    std::memcpy(out, pixel, N);
    size_t done = 1;
    while (done < count) {
        size_t copy = std::min(done, count - done);
        std::memcpy(out + done * N, out, copy * N);
        done += copy;
    }
}

template <size_t N> void exchangeRedBlue(uint8_t* pixels, uint64_t size) {
    for (uint64_t i = 0; i < size; i += N) {
        std::swap(pixels[i], pixels[i + 2]);
    }
}

enum class PacketResult { Complete, NoHeader, NoPixel, TooManyPixels };

// Decodes the packets that are sure to be whole and to fit: while a longest packet's bytes are at
// hand and a longest packet's pixels still fit in the image. Packets of up to 8 pixels, most of
// them in artwork, take one branch-free path: 8 pixels are written, from the packet's pixels or
// its one run value, and the next packet overwrites the excess. Returns the bytes consumed.
template <size_t N>
size_t decodeWholePackets(uint8_t*& out, uint64_t& currentpixel, uint64_t pixelcount,
                          const uint8_t* packet, size_t available) {
    constexpr size_t kLongestPacket = 1 + 128 * N;
    constexpr size_t kShortPacket = 8;
    const uint8_t* start = packet;
    const uint8_t* end = packet + available;
    while (static_cast<size_t>(end - packet) >= kLongestPacket &&
           pixelcount - currentpixel >= 128) {
        const uint8_t rleheader = packet[0];
        const size_t count = (rleheader & 0x7Fu) + 1u; // raw: header + 1; run: header - 127
        const bool run = rleheader >= 128;
        const size_t stride = run ? 0 : N;
        if (count <= kShortPacket) {
            for (size_t i = 0; i < kShortPacket; ++i) {
                storePixelWide<N>(out + i * N, packet + 1 + i * stride);
            }
        } else if (run) {
            uint8_t pixel[N];
            storePixel<N>(pixel, packet + 1);
            fillPixels<N>(out, pixel, count);
        } else {
            for (size_t i = 0; i < count; ++i) {
                storePixel<N>(out + i * N, packet + 1 + i * N);
            }
        }
        out += count * N;
        currentpixel += count;
        packet += 1 + (run ? N : count * N);
    }
    return static_cast<size_t>(packet - start);
}

// Decodes packets until pixelcount pixels are stored. A packet may run across row ends. Pixels
// are taken one at a time in file order, so a failure is the one the first missing pixel meets:
// a pixel that cannot be read, or one that would be stored past the count. With no output
// buffer the packets are only walked, to learn how a file too short for its image fails.
template <size_t N>
PacketResult decodePackets(uint8_t* out, uint64_t pixelcount, FileReader& file) {
    constexpr size_t kLongestPacket = 1 + 128 * N;
    uint64_t currentpixel = 0;
    while (currentpixel < pixelcount) {
        size_t available = file.ensure(kLongestPacket);
        if (available == 0) {
            return PacketResult::NoHeader;
        }
        if (out != nullptr && available == kLongestPacket && pixelcount - currentpixel >= 128) {
            available = file.ensure(FileReader::kChunkSize);
            file.consume(
                decodeWholePackets<N>(out, currentpixel, pixelcount, file.data(), available));
            continue;
        }
        // Near the end of the file or of the image: one packet, every pixel checked.
        const uint8_t* packet = file.data();
        const uint8_t rleheader = packet[0];
        const uint64_t room = pixelcount - currentpixel;
        if (rleheader < 128) {
            const size_t count = rleheader + 1u;
            const size_t readable = (available - 1) / N;
            const size_t stored = static_cast<size_t>(std::min<uint64_t>({count, readable, room}));
            for (size_t i = 0; out != nullptr && i < stored; ++i) {
                storePixel<N>(out + i * N, packet + 1 + i * N);
            }
            out = out != nullptr ? out + stored * N : nullptr;
            currentpixel += stored;
            if (stored < count) {
                return readable < count && readable <= room ? PacketResult::NoPixel
                                                            : PacketResult::TooManyPixels;
            }
            file.consume(1 + count * N);
        } else {
            const size_t count = rleheader - 127u;
            if (available < 1 + N) {
                return PacketResult::NoPixel;
            }
            uint8_t pixel[N];
            storePixel<N>(pixel, packet + 1);
            const size_t stored = static_cast<size_t>(std::min<uint64_t>(count, room));
            if (out != nullptr) {
                fillPixels<N>(out, pixel, stored);
            }
            out = out != nullptr ? out + stored * N : nullptr;
            currentpixel += stored;
            if (stored < count) {
                return PacketResult::TooManyPixels;
            }
            file.consume(1 + N);
        }
    }
    return PacketResult::Complete;
}
} // namespace

Texture* loadTGAFile(std::string f, Texture::GLName name) {
    std::FILE* file = std::fopen(f.c_str(), "rb");
    return loadTGAFromFile(file, std::move(f), name);
}

Texture* loadTGAFromFile(std::FILE* opened, std::string f, Texture::GLName name) {
    FileReader file(opened);
    if (!file.isOpen()) {
        INTRO_CHECK(false && "could not open texture file");
        return nullptr;
    }
    if (file.read(fileheader, sizeof fileheader) != sizeof fileheader) {
        INTRO_CHECK(false && "Could not read file header");
        file.close();
        return nullptr;
    }
    auto* texture = new Texture(std::move(f), name);
    bool read = false;
    if (std::memcmp(fileheader, rawSignature, sizeof fileheader) == 0) {
        read = readRawPixels(texture, file);
    } else if (std::memcmp(fileheader, rleSignature, sizeof fileheader) == 0) {
        read = readRLEPixels(texture, file);
    } else {
        delete texture;
        INTRO_CHECK(false && "TGA file be type 2 or type 10: Invalid Image");
        file.close();
        return nullptr;
    }
    if (!read) {
        delete texture;
        return nullptr;
    }
    return texture;
}

bool readRawPixels(Texture* texture, FileReader& file) {
    uint64_t size = 0;
    if (!readInfoHeader(texture, file, size)) {
        return false;
    }
    // A file too short for its pixels is refused before the buffer exists, so that a small
    // file claiming a huge image costs no huge allocation.
    uint64_t remaining = 0;
    if (file.remaining(remaining) && remaining < size) {
        INTRO_CHECK(false && "Could not read image data");
        return closeAndFail(file);
    }
    if (!allocatePixels(texture, file, size)) {
        return false;
    }
    if (file.read(texture->m_imagedata, size) != size) {
        INTRO_CHECK(false && "Could not read image data");
        return closeAndFail(file);
    }
    if (texture->m_bpp == 24) {
        exchangeRedBlue<3>(texture->m_imagedata, size);
    } else {
        exchangeRedBlue<4>(texture->m_imagedata, size);
    }
    file.close();
    return true;
}

bool readRLEPixels(Texture* texture, FileReader& file) {
    uint64_t size = 0;
    if (!readInfoHeader(texture, file, size)) {
        return false;
    }
    const uint64_t pixelcount = uint64_t{texture->m_width} * texture->m_height;
    const uint64_t bytesperpixel = texture->m_bpp / 8;
    // Every packet holds at most 128 pixels in at least 1 + bytesPerPixel bytes. A file that
    // cannot hold the image fails without a buffer: walking its packets finds the same report.
    uint64_t remaining = 0;
    const bool tooshort =
        file.remaining(remaining) && remaining / (1 + bytesperpixel) * 128 < pixelcount;
    if (!tooshort && !allocatePixels(texture, file, size)) {
        return false;
    }
    PacketResult result = bytesperpixel == 3
                              ? decodePackets<3>(texture->m_imagedata, pixelcount, file)
                              : decodePackets<4>(texture->m_imagedata, pixelcount, file);
    switch (result) {
    case PacketResult::NoHeader:
        INTRO_CHECK(false && "Could not read RLE header");
        return closeAndFail(file);
    case PacketResult::NoPixel:
        INTRO_CHECK(false && "Could not read image data");
        return closeAndFail(file);
    case PacketResult::TooManyPixels:
        INTRO_CHECK(false && "Too many Pixels read");
        return closeAndFail(file);
    case PacketResult::Complete:
        break;
    }
    file.close();
    return true;
}
