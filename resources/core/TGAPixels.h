/// @file
/// TGAPixels: the TGA decoder's pixel loops. The same source is built twice, for any x86-64 and
/// for processors with SSSE3 (16-byte shuffles: five or four pixels a step), and the decoder
/// picks one build when it starts. Both need 64 bytes of slack after the output's last pixel.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kPixelSlack = 64;

enum class PacketResult { Complete, NoHeader, NoPixel, TooManyPixels };

// Declares one build of the loops, in its own namespace.
#define TGA_PIXEL_LOOPS(space)                                                                     \
    namespace space {                                                                              \
    /* count pixels from file order (B, G, R (, A)) to R, G, B (, A); out may be in. */            \
    void exchangeRedBlue(uint8_t* out, const uint8_t* in, uint64_t count, unsigned bytes);         \
    /* Decodes run-length packets until pixelcount pixels are stored (see TGALoader.cpp); with */  \
    /* no output only walks them. */                                                               \
    PacketResult decodePackets(uint8_t* out, uint64_t pixelcount, const uint8_t* packet,           \
                               const uint8_t* end, unsigned bytes);                                \
    }

TGA_PIXEL_LOOPS(tga_generic)
TGA_PIXEL_LOOPS(tga_ssse3)
