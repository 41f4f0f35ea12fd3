#include "TestFiles.h"

#include "resources/TGALoader.h"
#include "tools/TGAWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

namespace {

using Bytes = std::vector<uint8_t>;

struct Decoded {
    std::unique_ptr<Texture> texture;
    std::string report; // what the loader wrote on standard error
};

Decoded decodeFile(const std::string& path) {
    testing::internal::CaptureStderr();
    Texture* texture = loadTGAFile(path, Texture::GLName::None);
    return {std::unique_ptr<Texture>(texture), testing::internal::GetCapturedStderr()};
}

Decoded decode(const Bytes& file) {
    return decodeFile(writeScratchFile("image.tga", file));
}

// An 18-byte header of the given type, size and depth.
Bytes header(int type, int width, int height, int depth, uint8_t descriptor = 0) {
    return {0,
            0,
            static_cast<uint8_t>(type),
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            static_cast<uint8_t>(width & 0xFF),
            static_cast<uint8_t>(width >> 8),
            static_cast<uint8_t>(height & 0xFF),
            static_cast<uint8_t>(height >> 8),
            static_cast<uint8_t>(depth),
            descriptor};
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes firstBytes(const Bytes& b, size_t n) {
    return Bytes(b.begin(), b.begin() + static_cast<long>(n));
}

Bytes repeat(const Bytes& pixel, size_t count) {
    Bytes out;
    for (size_t i = 0; i < count; ++i) {
        out.insert(out.end(), pixel.begin(), pixel.end());
    }
    return out;
}

std::string reportFor(const std::string& message) {
    return "Assertion failed: false && \"" + message + "\", file TGALoader.cpp, line ";
}

Bytes pixelsOf(const Texture& t) {
    return Bytes(t.m_imagedata, t.m_imagedata + size_t{t.m_bpp / 8} * t.m_width * t.m_height);
}

struct Refusal {
    const char* name;
    Bytes file;
    const char* message;
};

TEST(TGALoader, RefusesEachBadFileWithItsOwnReportAndNoTexture) {
    Bytes valid24 = header(2, 1, 1, 24) + Bytes{1, 2, 3};
    auto with = [&](size_t at, uint8_t value) {
        Bytes b = valid24;
        b[at] = value;
        return b;
    };
    const std::vector<Refusal> cases = {
        {"empty file", {}, "Could not read file header"},
        {"11 bytes", Bytes(11, 0), "Could not read file header"},
        {"ID length 1", with(0, 1), "TGA file be type 2 or type 10: Invalid Image"},
        {"colour map", with(1, 1), "TGA file be type 2 or type 10: Invalid Image"},
        {"colour map length", with(5, 1), "TGA file be type 2 or type 10: Invalid Image"},
        {"x origin", with(8, 1), "TGA file be type 2 or type 10: Invalid Image"},
        {"y origin", with(11, 1), "TGA file be type 2 or type 10: Invalid Image"},
        {"type 1", with(2, 1), "TGA file be type 2 or type 10: Invalid Image"},
        {"type 3", with(2, 3), "TGA file be type 2 or type 10: Invalid Image"},
        {"type 9", with(2, 9), "TGA file be type 2 or type 10: Invalid Image"},
        {"type 11", with(2, 11), "TGA file be type 2 or type 10: Invalid Image"},
        {"no info header", firstBytes(valid24, 12), "Could not read info header"},
        {"short info header", firstBytes(valid24, 17), "Could not read info header"},
        {"RLE, short info header", firstBytes(header(10, 1, 1, 24), 15),
         "Could not read info header"},
        {"width 0", header(2, 0, 1, 24) + Bytes(3, 0), "Invalid texture information"},
        {"height 0", header(10, 1, 0, 24) + Bytes{0x80, 1, 2, 3}, "Invalid texture information"},
        {"depth 8", header(2, 1, 1, 8) + Bytes(3, 0), "Invalid texture information"},
        {"depth 16", header(10, 1, 1, 16) + Bytes(3, 0), "Invalid texture information"},
        {"raw, one byte short", header(2, 2, 2, 32) + Bytes(15, 7), "Could not read image data"},
        {"raw, huge image in a small file", header(2, 65535, 65535, 32) + Bytes(42, 7),
         "Could not read image data"},
        {"RLE, ends between packets", header(10, 4, 1, 24) + Bytes{0x81, 1, 2, 3},
         "Could not read RLE header"},
        {"RLE, huge image in a small file", header(10, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4},
         "Could not read RLE header"},
        {"RLE, huge image cut in a pixel",
         header(10, 65535, 65535, 24) + Bytes{0xFF, 1, 2, 3, 5, 1}, "Could not read image data"},
        {"RLE, no packet at all", header(10, 4, 1, 24), "Could not read RLE header"},
        {"RLE, raw packet cut short", header(10, 4, 1, 24) + Bytes{3, 1, 2, 3, 4, 5, 6, 7},
         "Could not read image data"},
        {"RLE, run value cut short", header(10, 4, 1, 32) + Bytes{0x83, 1, 2, 3},
         "Could not read image data"},
        {"RLE, run one pixel too long", header(10, 3, 2, 24) + Bytes{0x86, 1, 2, 3},
         "Too many Pixels read"},
        {"RLE, raw packet one pixel too long", header(10, 2, 1, 24) + Bytes{2} + Bytes(9, 5),
         "Too many Pixels read"},
        // The third pixel is missing from the file, but the second already overflows the count.
        {"RLE, overflow before the cut", header(10, 1, 1, 24) + Bytes{2} + Bytes(6, 5),
         "Too many Pixels read"},
        // The second pixel is missing, and only one pixel fits: the read fails first.
        {"RLE, cut before the overflow", header(10, 1, 1, 24) + Bytes{2} + Bytes(4, 5),
         "Could not read image data"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        Decoded d = decode(c.file);
        EXPECT_EQ(d.texture, nullptr);
        EXPECT_TRUE(std::regex_match(
            d.report, std::regex(std::regex_replace(reportFor(c.message), std::regex(R"([.()\\])"),
                                                    R"(\$&)") +
                                 "[0-9]+\n")))
            << d.report;
    }
}

TEST(TGALoader, AMissingFileIsReportedInLowerCase) {
    Decoded d = decodeFile(scratchPath("no-such-file.tga"));
    EXPECT_EQ(d.texture, nullptr);
    EXPECT_EQ(d.report.rfind(reportFor("could not open texture file"), 0), 0u) << d.report;
}

TEST(TGALoader, ADirectoryIsRefusedAsUnreadable) {
    Decoded d = decodeFile(scratchPath(""));
    EXPECT_EQ(d.texture, nullptr);
    EXPECT_NE(d.report.find("Could not read file header"), std::string::npos) << d.report;
}

struct Success {
    const char* name;
    Bytes file;
    uint32_t width, height, bpp;
    GLenum format;
    Bytes pixels;
};

TEST(TGALoader, DecodesRawAndRunLengthPixelsIntoRGBOrder) {
    const Bytes abc = {1, 2, 3}, cba = {3, 2, 1};
    const std::vector<Success> cases = {
        {"raw 24",
         header(2, 1, 1, 24) + Bytes{0x10, 0x20, 0x30},
         1,
         1,
         24,
         GL_RGB,
         {0x30, 0x20, 0x10}},
        {"raw 32",
         header(2, 1, 1, 32) + Bytes{0x10, 0x20, 0x30, 0x40},
         1,
         1,
         32,
         GL_RGBA,
         {0x30, 0x20, 0x10, 0x40}},
        {"RLE run packet of 128", header(10, 16, 8, 24) + Bytes{255} + abc, 16, 8, 24, GL_RGB,
         repeat(cba, 128)},
        {"RLE raw packet of 128", header(10, 128, 1, 24) + Bytes{127} + repeat(abc, 128), 128, 1,
         24, GL_RGB, repeat(cba, 128)},
        {"RLE 32, packets mixed",
         header(10, 3, 1, 32) + Bytes{0x81, 1, 2, 3, 4, 0, 9, 8, 7, 6},
         3,
         1,
         32,
         GL_RGBA,
         {3, 2, 1, 4, 3, 2, 1, 4, 7, 8, 9, 6}},
        // A run of 4 in a 3-wide image fills row 0 and the first pixel of row 1.
        {"RLE packet across a row end",
         header(10, 3, 2, 24) + Bytes{0x83} + abc + Bytes{0x81, 9, 9, 9}, 3, 2, 24, GL_RGB,
         repeat(cba, 4) + repeat({9, 9, 9}, 2)},
        {"raw, extra bytes after the pixels", header(2, 1, 1, 24) + abc + Bytes(100, 0xEE), 1, 1,
         24, GL_RGB, cba},
        {"RLE, a long tail after a small image",
         header(10, 1, 1, 24) + Bytes{0x80} + abc + Bytes(600, 0x85), 1, 1, 24, GL_RGB, cba},
        {"RLE, extra bytes after the packets",
         header(10, 1, 1, 24) + Bytes{0x80} + abc + Bytes{0x85}, 1, 1, 24, GL_RGB, cba},
        // Rows stay in file order whatever the descriptor's origin bits say.
        {"top-left descriptor",
         header(2, 1, 2, 24, 0x20) + abc + Bytes{4, 5, 6},
         1,
         2,
         24,
         GL_RGB,
         {3, 2, 1, 6, 5, 4}},
    };
    for (const Success& c : cases) {
        SCOPED_TRACE(c.name);
        Decoded d = decode(c.file);
        ASSERT_NE(d.texture, nullptr) << d.report;
        EXPECT_EQ(d.report, "");
        EXPECT_EQ(d.texture->m_width, c.width);
        EXPECT_EQ(d.texture->m_height, c.height);
        EXPECT_EQ(d.texture->m_bpp, c.bpp);
        EXPECT_EQ(d.texture->m_format, c.format);
        EXPECT_EQ(pixelsOf(*d.texture), c.pixels);
    }
}

// A pattern with runs, lone pixels and (at 32 bits) varying alpha, across several chunk refills.
TGAImage pattern(int width, int height, int bytesperpixel) {
    TGAImage image{width, height, bytesperpixel, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool flat = (x / 37 + y / 5) % 3 == 0;
            uint8_t v = flat ? 200 : static_cast<uint8_t>((x * 7 + y * 13) ^ (x * y));
            image.pixels.push_back(v);
            image.pixels.push_back(static_cast<uint8_t>(flat ? 10 : x));
            image.pixels.push_back(static_cast<uint8_t>(y));
            if (bytesperpixel == 4) {
                image.pixels.push_back(static_cast<uint8_t>(flat ? 255 : x + y));
            }
        }
    }
    return image;
}

TEST(TGALoader, RawAndRunLengthFilesOfTheSameImageDecodeAlike) {
    for (int n : {3, 4}) {
        TGAImage image = pattern(301, 257, n);
        for (bool rle : {false, true}) {
            SCOPED_TRACE(testing::Message() << n << " bytes per pixel, rle " << rle);
            Decoded d = decode(encodeTGA(image, rle));
            ASSERT_NE(d.texture, nullptr) << d.report;
            EXPECT_EQ(pixelsOf(*d.texture), image.pixels);
        }
    }
}

// ImageMagick as a writer we did not write: its files decode to the pixels it was given, with
// the picture's top row first (it stores that row first whatever its descriptor says).
TEST(TGALoader, ReadsWhatImageMagickWrites) {
    for (int n : {3, 4}) {
        TGAImage image = pattern(67, 33, n);
        std::string header = "P7\nWIDTH 67\nHEIGHT 33\nDEPTH " + std::to_string(n) +
                             "\nMAXVAL 255\nTUPLTYPE " + (n == 4 ? "RGB_ALPHA" : "RGB") +
                             "\nENDHDR\n";
        Bytes pam(header.begin(), header.end());
        std::string source = writeScratchFile("source.pam", pam + image.pixels);
        for (bool rle : {false, true}) {
            SCOPED_TRACE(testing::Message() << n << " bytes per pixel, rle " << rle);
            std::string out = scratchPath(rle ? "magick-rle.tga" : "magick-raw.tga");
            std::string command = "convert " + source + " -strip -type " +
                                  (n == 4 ? "TrueColorAlpha" : "TrueColor") +
                                  (rle ? " -compress RLE " : " -compress None ") + out;
            ASSERT_EQ(runCommand(command), 0) << command;
            Decoded d = decodeFile(out);
            ASSERT_NE(d.texture, nullptr) << d.report;
            EXPECT_EQ(d.texture->m_bpp, 8u * n);
            EXPECT_EQ(pixelsOf(*d.texture), image.pixels);
        }
    }
}

} // namespace
