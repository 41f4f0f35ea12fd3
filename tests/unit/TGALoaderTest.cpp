#include "TestData.h"
#include "TestFiles.h"

#include "resources/core/ImageFile.h"
#include "resources/core/TGALoader.h"
#include "tools/common/TGAWriter.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>
#include <regex>

using namespace afterglow;

namespace {

using Bytes = std::vector<uint8_t>;

struct Decoded {
    bool ok;
    DecodedImage image;
    std::string report; // the check report of its failure, empty when it decoded
    Bytes pixels() const {
        EXPECT_EQ(ok, image.pixels != nullptr);
        return !ok ? Bytes()
                   : Bytes(image.pixels.get(),
                           image.pixels.get() + size_t{image.bpp / 8} * image.width * image.height);
    }
};

// The loaders' check report of a decode's failure, as the programs write it; none for a success.
std::string reportOf(const Decoded& d) {
    testing::internal::CaptureStderr();
    reportImageFailure(d.image.failure);
    return testing::internal::GetCapturedStderr();
}

// How bytes reach a decoder: from memory or from a file holding them; to the TGA decoder, or to
// the one that tells formats apart by their first bytes, which must treat a TGA file alike.
struct Way {
    bool fromFile;
    bool anyFormat;
};
const std::vector<Way> kEveryWay = {{false, false}, {true, false}, {false, true}, {true, true}};
// PNG and JPEG files, which only the decoder of any format takes.
const std::vector<Way> kAnyFormatWays = {{false, true}, {true, true}};

Decoded decodeWay(Way way, const Bytes& file, DecodedImage image = {}) {
    Decoded d{false, std::move(image), {}};
    testing::internal::CaptureStderr();
    if (way.fromFile) {
        d.ok = (way.anyFormat ? readImageFile : readTGAFile)(writeScratchFile("image", file),
                                                             kLargestTextureSide, d.image);
    } else {
        d.ok = (way.anyFormat ? decodeImage : decodeTGA)(file.data(), file.size(),
                                                         kLargestTextureSide, d.image);
    }
    // The decoder prints nothing: its failure is the caller's to report.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(d.ok, d.image.failure.error == ImageError::None);
    d.report = reportOf(d);
    return d;
}

void append(void* bytes, void* data, int size) {
    const auto* from = static_cast<const uint8_t*>(data);
    static_cast<Bytes*>(bytes)->insert(static_cast<Bytes*>(bytes)->end(), from, from + size);
}

// A picture of 1 (grey), 2 (grey, alpha), 3 or 4 bytes a pixel, its first row on top, as a PNG.
Bytes encodePNG(const TGAImage& image) {
    Bytes png;
    EXPECT_TRUE(stbi_write_png_to_func(append, &png, image.width, image.height, image.bytesPerPixel,
                                       image.pixels.data(), image.width * image.bytesPerPixel));
    return png;
}

// An 18-byte header of the given type, size and depth.
Bytes header(int type, int width, int height, int depth, uint8_t descriptor = 0) {
    auto byte = [](int value) { return static_cast<uint8_t>(value); };
    // clang-format off
    return {0, 0, byte(type), 0, 0, 0, 0, 0, 0, 0, 0, 0,
            byte(width), byte(width >> 8), byte(height), byte(height >> 8), byte(depth), descriptor};
    // clang-format on
}

// The first n bytes.
Bytes first(const Bytes& b, size_t n) {
    return Bytes(b.begin(), b.begin() + long(n));
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The picture, its first row on top, as a PAM file (ImageMagick's input); its path.
std::string writePAM(const TGAImage& image) {
    const char* tupleTypes[] = {"", "GRAYSCALE", "GRAYSCALE_ALPHA", "RGB", "RGB_ALPHA"};
    const std::string header = "P7\nWIDTH " + std::to_string(image.width) + "\nHEIGHT " +
                               std::to_string(image.height) + "\nDEPTH " +
                               std::to_string(image.bytesPerPixel) + "\nMAXVAL 255\nTUPLTYPE " +
                               tupleTypes[image.bytesPerPixel] + "\nENDHDR\n";
    return writeScratchFile("source.pam", Bytes(header.begin(), header.end()) + image.pixels);
}

// The picture written by ImageMagick in a format (JPEG, PNG8 for a palette, ...) with options;
// the file's bytes.
Bytes byMagick(const TGAImage& image, const std::string& options, const std::string& format) {
    const std::string picture = scratchPath("picture");
    const std::string command =
        "convert " + writePAM(image) + " " + options + " " + format + ":" + picture;
    EXPECT_EQ(runCommand(command), 0) << command;
    const std::string bytes = readFile(picture);
    return Bytes(bytes.begin(), bytes.end());
}

// At quality 100 ImageMagick keeps every chroma sample: flat 8x8 blocks come back within
// rounding. (stb_image_write's JPEG encoder shifts negative values, which the sanitized build
// stops at.)
Bytes encodeJPEG(const TGAImage& image) {
    return byMagick(image, "-quality 100", "JPEG");
}

// Decodes the bytes the first way, then again every way, into a new image and into images that
// already hold a smaller or a larger picture of another format or row order, and expects the same
// outcome every way: an image's earlier buffer or row order never shows through.
Decoded decode(const Bytes& file, const std::vector<Way>& ways = kEveryWay) {
    const std::vector<std::pair<const char*, Bytes>> earlier = {
        {"new image", {}},
        {"after 1x1 raw, top row first", header(2, 1, 1, 24, 0x20) + Bytes{1, 2, 3}},
        {"after 1x1 run-length", header(10, 1, 1, 32) + Bytes{0x80, 1, 2, 3, 4}},
        {"after 400x400 raw", header(2, 400, 400, 32) + Bytes(400 * 400 * 4, 9)},
        {"after 400x400 run-length", header(10, 400, 400, 24) + repeat(Bytes{0xFF, 1, 2, 3}, 1250)},
        {"after 1x1 PNG", encodePNG({1, 1, 3, {1, 2, 3}})},
    };
    Decoded d = decodeWay(ways[0], file);
    for (const auto& [name, before] : earlier) {
        for (const Way way : ways) {
            SCOPED_TRACE(testing::Message() << name << (way.fromFile ? ", file" : ", memory")
                                            << (way.anyFormat ? ", any format" : ", TGA"));
            DecodedImage image =
                before.empty() ? DecodedImage() : decodeWay({way.fromFile, true}, before).image;
            EXPECT_EQ(image.pixels != nullptr, !before.empty());
            Decoded again = decodeWay(way, file, std::move(image));
            EXPECT_EQ(again.ok, d.ok);
            EXPECT_EQ(again.report, d.report);
            EXPECT_EQ(std::tie(again.image.width, again.image.height, again.image.bpp,
                               again.image.topRowFirst),
                      std::tie(d.image.width, d.image.height, d.image.bpp, d.image.topRowFirst));
            EXPECT_EQ(again.pixels(), d.pixels());
        }
    }
    return d;
}

void expectReport(const Decoded& d, const std::string& message,
                  const std::string& unit = "TGALoader.cpp") {
    EXPECT_FALSE(d.ok);
    auto quote = [](const std::string& text) {
        return std::regex_replace(text, std::regex(R"([.()\\])"), R"(\$&)");
    };
    EXPECT_TRUE(
        std::regex_match(d.report, std::regex("Assertion failed: false && \"" + quote(message) +
                                              "\", file " + quote(unit) + ", line [0-9]+\n")))
        << d.report;
}

TEST(TGALoader, RefusesEachBadFileWithItsOwnReportAndNoImage) {
    const Bytes valid24 = header(2, 1, 1, 24) + Bytes{1, 2, 3};
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
        const std::string source = writePAM(image);
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

// The decoded pixels with the picture's top row first, whichever row the decoder stored first.
Bytes topRowFirst(const Decoded& d) {
    const Bytes pixels = d.pixels();
    if (d.image.topRowFirst) {
        return pixels;
    }
    const size_t row = size_t{d.image.bpp / 8} * d.image.width;
    Bytes flipped;
    for (size_t y = d.image.height; y-- > 0;) {
        flipped.insert(flipped.end(), pixels.begin() + long(y * row),
                       pixels.begin() + long((y + 1) * row));
    }
    return flipped;
}

// The largest difference between two pictures' bytes; 256 when their sizes differ.
int largestDifference(const Bytes& a, const Bytes& b) {
    if (a.size() != b.size()) {
        return 256;
    }
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        largest = std::max(largest, std::abs(a[i] - b[i]));
    }
    return largest;
}

TEST(ImageFile, EveryFormatDecodesToThePictureOnceItsFlagPutsTheTopRowFirst) {
    // Flat 8x8 blocks, a different pair at the top and at the bottom, each with its own alpha.
    auto block = [](int x, int y) {
        const std::array<std::array<int, 4>, 4> blocks = {
            {{200, 40, 40, 255}, {40, 200, 40, 128}, {40, 40, 200, 0}, {220, 220, 60, 64}}};
        return blocks[size_t(x / 8 + 2 * (y / 8))];
    };
    auto picture = [&](int n, const auto& colour) { return makeImage(16, 16, n, colour); };
    const TGAImage rgb = picture(3, block);
    const TGAImage rgba = picture(4, block);
    // Grey pictures take their level from red; as the decoder gives them, R, G, B (, A).
    auto grey = [&](int x, int y) {
        const std::array<int, 4> c = block(x, y);
        return std::array{c[0], c[3], 0, 0};
    };
    auto greyAsColour = [&](int x, int y) {
        const std::array<int, 4> c = block(x, y);
        return std::array{c[0], c[0], c[0], c[3]};
    };
    TGAImage topFirst = rgb;
    topFirst.topFirst = true;
    const TGAImage bottomFirst = picture(3, [&](int x, int y) { return block(x, 15 - y); });
    // clang-format off
    const std::vector<std::tuple<const char*, Bytes, uint32_t, Bytes, int>> cases = {
        {"PNG", encodePNG(rgb), 24, rgb.pixels, 0},
        {"JPEG", encodeJPEG(rgb), 24, rgb.pixels, 2},
        {"TGA, top row first", encodeTGA(topFirst, false), 24, rgb.pixels, 0},
        {"TGA run-length, bottom row first", encodeTGA(bottomFirst, true), 24, rgb.pixels, 0},
        {"PNG with alpha", encodePNG(rgba), 32, rgba.pixels, 0},
        {"grey PNG", encodePNG(picture(1, grey)), 24, picture(3, greyAsColour).pixels, 0},
        {"grey PNG with alpha", encodePNG(picture(2, grey)), 32, picture(4, greyAsColour).pixels, 0},
        {"grey JPEG", encodeJPEG(picture(1, grey)), 24, picture(3, greyAsColour).pixels, 2},
        {"progressive JPEG", byMagick(rgb, "-quality 100 -interlace JPEG", "JPEG"), 24, rgb.pixels, 2},
        {"palette PNG", byMagick(rgb, "", "PNG8"), 24, rgb.pixels, 0},
    };
    // clang-format on
    for (const auto& [name, file, bpp, pixels, tolerance] : cases) {
        SCOPED_TRACE(name);
        Decoded d = decode(file, kAnyFormatWays);
        ASSERT_TRUE(d.ok) << d.report;
        EXPECT_EQ(d.report, "");
        EXPECT_EQ(std::tie(d.image.width, d.image.height, d.image.bpp),
                  std::make_tuple(16u, 16u, bpp));
        EXPECT_LE(largestDifference(topRowFirst(d), pixels), tolerance);
    }
}

// A 2x1 palette PNG of the given palette, its pixels indices 0 and 200.
Bytes palettePNG(const Bytes& palette) {
    auto chunk = [](const char* type, const Bytes& data) {
        const auto high = static_cast<uint8_t>(data.size() >> 8);
        const auto low = static_cast<uint8_t>(data.size() & 0xFF);
        return Bytes{0, 0, high, low} + Bytes(type, type + 4) + data +
               Bytes(4, 0); // no CRC checked
    };
    // A stored zlib block of the row: its filter (none), then the two indices.
    const Bytes row = {0x78, 0x01, 0x01, 3, 0, 0xFC, 0xFF, 0, 0, 200, 0, 0xC9, 0, 0xC9};
    return Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'} +
           chunk("IHDR", {0, 0, 0, 2, 0, 0, 0, 1, 8, 3, 0, 0, 0}) + chunk("PLTE", palette) +
           chunk("IDAT", row) + chunk("IEND", {});
}

TEST(ImageFile, RefusesEachBadPNGOrJPEGWithItsOwnReportAndNoImage) {
    auto noise = [](int x, int y) { return std::array{x * 37 ^ y * 11, x * y, x + 7 * y, 255}; };
    const Bytes png = encodePNG(makeImage(32, 32, 3, noise));
    const Bytes jpeg = encodeJPEG(makeImage(32, 32, 3, noise));
    const Bytes progressive = byMagick(makeImage(32, 32, 3, noise), "-interlace JPEG", "JPEG");
    // The signature and the header chunk alone: refused for its size, the pixels never looked for.
    constexpr size_t kPNGHeader = 33;
    auto offsetOf = [](const Bytes& b, const Bytes& part) {
        return size_t(std::search(b.begin(), b.end(), part.begin(), part.end()) - b.begin());
    };
    // The first byte of the compressed pixels, which begin with a zlib header, changed.
    Bytes brokenZlib = png;
    ++brokenZlib[offsetOf(png, {'I', 'D', 'A', 'T'}) + 4];
    // A 1x1 picture whose pixel data inflates to 16 MiB: a 2048 x 2048 one's, its header cut down.
    Bytes bomb = encodePNG(makeImage(2048, 2048, 4, [](int, int) {
        return std::array{0, 0, 0, 0};
    }));
    std::copy_n(Bytes{0, 0, 0, 1, 0, 0, 0, 1}.begin(), 8, bomb.begin() + 16);
    // The frame header's width (after its marker, length, precision and height) made 20000.
    Bytes wide = jpeg;
    std::copy_n(Bytes{0x4E, 0x20}.begin(), 2,
                wide.begin() + long(offsetOf(jpeg, {0xFF, 0xC0}) + 7));
    // The first Huffman table's sixteen counts (after its marker, length and class) all 255: far
    // more symbols than a table has room for.
    Bytes manySymbols = jpeg;
    std::fill_n(manySymbols.begin() + long(offsetOf(jpeg, {0xFF, 0xC4}) + 5), 16, 0xFF);
    // clang-format off
    const std::vector<std::tuple<const char*, Bytes, const char*>> cases = {
        {"PNG wider than any texture", first(encodePNG(makeImage(20000, 1, 3, noise)), kPNGHeader), "Image larger than the largest texture"},
        {"PNG taller than any texture", first(encodePNG(makeImage(1, 16385, 1, noise)), kPNGHeader), "Image larger than the largest texture"},
        {"JPEG wider than any texture", wide, "Image larger than the largest texture"},
        {"PNG signature alone", first(png, 8), "Could not decode PNG or JPEG image"},
        {"PNG cut in its pixel data", first(png, png.size() / 2), "Could not decode PNG or JPEG image"},
        {"PNG with a broken zlib header", brokenZlib, "Could not decode PNG or JPEG image"},
        {"JPEG cut in its header", first(jpeg, 20), "Could not decode PNG or JPEG image"},
        {"JPEG Huffman table of 4080 symbols", manySymbols, "Could not decode PNG or JPEG image"},
        {"PNG that inflates far past its picture", bomb, "Could not decode PNG or JPEG image"},
        {"JPEG cut in its pixel data", first(jpeg, jpeg.size() / 2), "Could not decode PNG or JPEG image"},
        {"CMYK JPEG", byMagick(makeImage(8, 8, 3, noise), "-colorspace CMYK", "JPEG"), "Could not decode CMYK JPEG image: save it as RGB"},
        {"PNG palette of 257 colours, one more than a palette holds", palettePNG(Bytes(771, 9)), "Could not decode PNG or JPEG image"},
        {"progressive JPEG cut after its first scan", first(progressive, offsetOf(progressive, {0xFF, 0xDA}) + 40), "Could not decode PNG or JPEG image"},
    };
    // clang-format on
    for (const auto& [name, file, message] : cases) {
        SCOPED_TRACE(name);
        expectReport(decode(file, kAnyFormatWays), message, "ImageFile.cpp");
    }
    // A file that cannot be opened is reported as the TGA reader always reported it.
    Decoded missing{false, {}, {}};
    missing.ok = readImageFile(scratchPath("missing.png"), kLargestTextureSide, missing.image);
    missing.report = reportOf(missing);
    expectReport(missing, "could not open texture file");
}

// A palette of 100 entries (its chunk's length past one byte), index 200 past it: black rather
// than whatever memory lies there.
TEST(ImageFile, PaletteIndicesPastThePaletteAreBlack) {
    const Bytes png = palettePNG(Bytes{10, 20, 30} + Bytes(297, 0));
    // Stack memory left full of a colour, where the decoder would find it.
    [] {
        volatile uint8_t used[1 << 16];
        for (volatile uint8_t& byte : used) {
            byte = 0x55;
        }
    }();
    Decoded d{false, {}, {}};
    d.ok = decodeImage(png.data(), png.size(), kLargestTextureSide, d.image);
    EXPECT_EQ(d.pixels(), (Bytes{10, 20, 30, 0, 0, 0}));
}

} // namespace
