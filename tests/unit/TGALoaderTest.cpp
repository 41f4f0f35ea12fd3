#include "TestData.h"
#include "TestFiles.h"

#include "resources/core/TGALoader.h"
#include "tools/common/TGAWriter.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using Bytes = std::vector<uint8_t>;

struct Decoded {
    bool ok;
    DecodedImage image;
    std::string report; // what the loader wrote on standard error
    Bytes pixels() const {
        EXPECT_EQ(ok, image.pixels != nullptr);
        return !ok ? Bytes()
                   : Bytes(image.pixels.get(),
                           image.pixels.get() + size_t{image.bpp / 8} * image.width * image.height);
    }
};

// Decodes from memory, or from a file holding the bytes.
Decoded decodeWay(bool fromFile, const Bytes& file, DecodedImage image = {}) {
    Decoded d{false, std::move(image), {}};
    testing::internal::CaptureStderr();
    d.ok = fromFile ? readTGAFile(writeScratchFile("image.tga", file), kLargestTextureSide, d.image)
                    : decodeTGA(file.data(), file.size(), kLargestTextureSide, d.image);
    d.report = testing::internal::GetCapturedStderr();
    return d;
}

// An 18-byte header of the given type, size and depth.
Bytes header(int type, int width, int height, int depth, uint8_t descriptor = 0) {
    auto byte = [](int value) { return static_cast<uint8_t>(value); };
    // clang-format off
    return {0, 0, byte(type), 0, 0, 0, 0, 0, 0, 0, 0, 0,
            byte(width), byte(width >> 8), byte(height), byte(height >> 8), byte(depth), descriptor};
    // clang-format on
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Decodes the bytes from memory, then again both ways, from memory and from a file, into a new
// image and into images that already hold a smaller or a larger picture of either type, and
// expects the same outcome every way: an image's earlier buffer never shows through.
Decoded decode(const Bytes& file) {
    const std::vector<std::pair<const char*, Bytes>> earlier = {
        {"new image", {}},
        {"after 1x1 raw", header(2, 1, 1, 24) + Bytes{1, 2, 3}},
        {"after 1x1 run-length", header(10, 1, 1, 32) + Bytes{0x80, 1, 2, 3, 4}},
        {"after 400x400 raw", header(2, 400, 400, 32) + Bytes(400 * 400 * 4, 9)},
        {"after 400x400 run-length", header(10, 400, 400, 24) + repeat(Bytes{0xFF, 1, 2, 3}, 1250)},
    };
    Decoded d = decodeWay(false, file);
    for (const auto& [name, before] : earlier) {
        for (bool fromFile : {false, true}) {
            SCOPED_TRACE(testing::Message() << name << (fromFile ? ", file" : ", memory"));
            DecodedImage image =
                before.empty() ? DecodedImage() : decodeWay(fromFile, before).image;
            EXPECT_EQ(image.pixels != nullptr, !before.empty());
            Decoded again = decodeWay(fromFile, file, std::move(image));
            EXPECT_EQ(again.ok, d.ok);
            EXPECT_EQ(again.report, d.report);
            EXPECT_EQ(std::tie(again.image.width, again.image.height, again.image.bpp),
                      std::tie(d.image.width, d.image.height, d.image.bpp));
            EXPECT_EQ(again.pixels(), d.pixels());
        }
    }
    return d;
}

void expectReport(const Decoded& d, const std::string& message) {
    EXPECT_FALSE(d.ok);
    const std::string quoted = std::regex_replace(message, std::regex(R"([.()\\])"), R"(\$&)");
    EXPECT_TRUE(std::regex_match(d.report, std::regex("Assertion failed: false && \"" + quoted +
                                                      "\", file TGALoader\\.cpp, line [0-9]+\n")))
        << d.report;
}

TEST(TGALoader, RefusesEachBadFileWithItsOwnReportAndNoImage) {
    const Bytes valid24 = header(2, 1, 1, 24) + Bytes{1, 2, 3};
    auto first = [](const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + long(n)); };
    // clang-format off
    std::vector<std::tuple<std::string, Bytes, const char*>> cases = {
        {"11 bytes", Bytes(11, 0), "Could not read file header"},
        {"no info header", first(valid24, 12), "Could not read info header"},
        {"short info header", first(valid24, 17), "Could not read info header"},
        {"width 0", header(2, 0, 1, 24) + Bytes(3, 0), "Invalid texture information"},
        {"height 0", header(10, 1, 0, 24) + Bytes{0x80, 1, 2, 3}, "Invalid texture information"},
        {"depth 8", header(2, 1, 1, 8) + Bytes(3, 0), "Invalid texture information"},
        {"raw, one byte short", header(2, 2, 2, 32) + Bytes(15, 7), "Could not read image data"},
        {"raw, huge image in a small file", header(2, 65535, 65535, 32) + Bytes(42, 7), "Could not read image data"},
        {"raw, wider than any texture", header(2, 16385, 1, 24) + Bytes(3 * 16385, 7), "Image larger than the largest texture"},
        {"RLE, taller than any texture, in a file that could hold it", header(10, 1, 65535, 24) + repeat(Bytes{0xFF, 1, 2, 3}, 512), "Image larger than the largest texture"},
        {"RLE, ends between packets", header(10, 4, 1, 24) + Bytes{0x81, 1, 2, 3}, "Could not read RLE header"},
        {"RLE, huge image in a small file", header(10, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4}, "Could not read RLE header"},
        {"RLE, huge image cut in a pixel", header(10, 65535, 65535, 24) + Bytes{0xFF, 1, 2, 3, 5, 1}, "Could not read image data"},
        {"RLE, no packet at all", header(10, 4, 1, 24), "Could not read RLE header"},
        {"RLE, raw packet cut short", header(10, 4, 1, 24) + Bytes{3, 1, 2, 3, 4, 5, 6, 7}, "Could not read image data"},
        {"RLE, run value cut short", header(10, 4, 1, 32) + Bytes{0x83, 1, 2, 3}, "Could not read image data"},
        {"RLE, run one pixel too long", header(10, 3, 2, 24) + Bytes{0x86, 1, 2, 3}, "Too many Pixels read"},
        {"RLE, a longest run in a smaller image, many bytes to go", header(10, 100, 1, 24) + Bytes{0xFF, 1, 2, 3} + Bytes(600, 0), "Too many Pixels read"},
        {"RLE, raw packet one pixel too long", header(10, 2, 1, 24) + Bytes{2} + Bytes(9, 5), "Too many Pixels read"},
        // The third pixel is missing from the file, but the second already overflows the count.
        {"RLE, overflow before the cut", header(10, 1, 1, 24) + Bytes{2} + Bytes(6, 5), "Too many Pixels read"},
        // The second pixel is missing, and only one pixel fits: the read fails first.
        {"RLE, cut before the overflow", header(10, 1, 1, 24) + Bytes{2} + Bytes(4, 5), "Could not read image data"},
    };
    // clang-format on
    // The signature changed in any of its 12 bytes (type 2 becomes 3).
    for (size_t at = 0; at < 12; ++at) {
        Bytes b = valid24;
        ++b[at];
        cases.emplace_back("byte " + std::to_string(at) + " changed", b,
                           "TGA file be type 2 or type 10: Invalid Image");
    }
    for (const auto& [name, file, message] : cases) {
        SCOPED_TRACE(name);
        expectReport(decode(file), message);
    }
}

TEST(TGALoader, DecodesRawAndRunLengthPixelsIntoRGBOrder) {
    const Bytes abc = {1, 2, 3}, cba = {3, 2, 1};
    // clang-format off
    const std::vector<std::tuple<const char*, Bytes, uint32_t, uint32_t, uint32_t, Bytes>> cases = {
        {"raw 24", header(2, 1, 1, 24) + Bytes{16, 32, 48}, 1, 1, 24, {48, 32, 16}},
        {"raw 32", header(2, 1, 1, 32) + Bytes{16, 32, 48, 64}, 1, 1, 32, {48, 32, 16, 64}},
        {"RLE run packet of 128", header(10, 16, 8, 24) + Bytes{255} + abc, 16, 8, 24, repeat(cba, 128)},
        {"RLE raw packet of 128", header(10, 128, 1, 24) + Bytes{127} + repeat(abc, 128), 128, 1, 24, repeat(cba, 128)},
        {"RLE 32, packets mixed", header(10, 3, 1, 32) + Bytes{0x81, 1, 2, 3, 4, 0, 9, 8, 7, 6}, 3, 1, 32, Bytes{3, 2, 1, 4, 3, 2, 1, 4, 7, 8, 9, 6}},
        // A run of 4 in a 3-wide image fills row 0 and the first pixel of row 1.
        {"RLE packet across a row end", header(10, 3, 2, 24) + Bytes{0x83} + abc + Bytes{0x81, 9, 9, 9}, 3, 2, 24, repeat(cba, 4) + repeat(Bytes{9, 9, 9}, 2)},
        {"raw, as wide as the largest texture", header(2, 16384, 1, 24) + Bytes(49152, 7), 16384, 1, 24, Bytes(49152, 7)},
        {"raw, extra bytes after the pixels", header(2, 1, 1, 24) + abc + Bytes(100, 0xEE), 1, 1, 24, cba},
        {"RLE, a long tail after a small image", header(10, 1, 1, 24) + Bytes{0x80} + abc + Bytes(600, 0x85), 1, 1, 24, cba},
        // Rows stay in file order whatever the descriptor's origin bits say.
        {"top-left descriptor", header(2, 1, 2, 24, 0x20) + abc + Bytes{4, 5, 6}, 1, 2, 24, Bytes{3, 2, 1, 6, 5, 4}},
    };
    // clang-format on
    for (const auto& [name, file, width, height, bpp, pixels] : cases) {
        SCOPED_TRACE(name);
        Decoded d = decode(file);
        ASSERT_TRUE(d.ok) << d.report;
        EXPECT_EQ(d.report, "");
        EXPECT_EQ(std::tie(d.image.width, d.image.height, d.image.bpp),
                  std::tie(width, height, bpp));
        EXPECT_EQ(d.pixels(), pixels);
    }
}

// Files of one image, raw and run-length, from our writer and from ImageMagick (a writer we did not
// write, which stores the top row first whatever its descriptor says), decode to its pixels.
TEST(TGALoader, EveryWritersRawAndRunLengthFilesDecodeToTheImage) {
    for (int n : {3, 4}) {
        // Runs (a whole row, longer than one packet holds), lone pixels and (at 32 bits) varying
        // alpha.
        const TGAImage image = makeImage(301, 257, n, [](int x, int y) {
            const bool flat = (x / 37 + y / 5) % 3 == 0 || y == 0;
            return std::array{flat ? 200 : (x * 7 + y * 13) ^ (x * y), flat ? 10 : x, y,
                              flat ? 255 : x + y};
        });
        const std::string pam = "P7\nWIDTH 301\nHEIGHT 257\nDEPTH " + std::to_string(n) +
                                "\nMAXVAL 255\nTUPLTYPE " + (n == 4 ? "RGB_ALPHA" : "RGB") +
                                "\nENDHDR\n";
        const std::string source =
            writeScratchFile("source.pam", Bytes(pam.begin(), pam.end()) + image.pixels);
        for (bool rle : {false, true}) {
            SCOPED_TRACE(testing::Message() << n << " bytes per pixel, rle " << rle);
            const std::string magick = scratchPath("magick.tga");
            const std::string command = "convert " + source + " -strip -type " +
                                        (n == 4 ? "TrueColorAlpha" : "TrueColor") +
                                        (rle ? " -compress RLE " : " -compress None ") + magick;
            ASSERT_EQ(runCommand(command), 0) << command;
            const std::string theirs = readFile(magick);
            for (const Bytes& file : {encodeTGA(image, rle), Bytes(theirs.begin(), theirs.end())}) {
                Decoded d = decode(file);
                ASSERT_TRUE(d.ok) << d.report;
                EXPECT_EQ(d.image.bpp, 8u * n);
                EXPECT_EQ(d.pixels(), image.pixels);
            }
        }
    }
}

} // namespace
