// Writes the fuzzers' seed corpora: make_seeds DIR writes DIR/tga/... (and more per fuzzer).
#include "tools/common/PNGWriter.h"
#include "tools/common/TGAWriter.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace afterglow;

namespace {
void write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

TGAImage stripes(int width, int height, int n) {
    TGAImage image{width, height, n, {}};
    for (int i = 0; i < width * height; ++i) {
        for (int c = 0; c < n; ++c) {
            image.pixels.push_back(static_cast<uint8_t>(i % 5 < 3 ? 40 * c : i * 7 + c));
        }
    }
    return image;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    std::filesystem::path root = argv[1];
    int index = 0;
    for (int n : {3, 4}) {
        for (bool rle : {false, true}) {
            for (auto size : {std::pair{1, 1}, std::pair{3, 2}, std::pair{17, 9}}) {
                write(root / "tga" / ("seed" + std::to_string(index++) + ".tga"),
                      encodeTGA(stripes(size.first, size.second, n), rle));
            }
        }
    }
    // The picture decoder takes PNG and JPEG files too, beside the TGA files. The JPEG is
    // ImageMagick's, of a 16x8 gradient at quality 75 with chroma sampled 2x2: stb_image_write's
    // JPEG encoder shifts negative values, which the sanitized build stops at.
    std::string error;
    writePNG((root / "tga" / "seed.png").string(), 17, 9, stripes(17, 9, 3).pixels, error);
    write(root / "tga" / "seed.jpg",
          {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00,
           0x01, 0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x08, 0x06, 0x06, 0x07, 0x06,
           0x05, 0x08, 0x07, 0x07, 0x07, 0x09, 0x09, 0x08, 0x0A, 0x0C, 0x14, 0x0D, 0x0C, 0x0B, 0x0B,
           0x0C, 0x19, 0x12, 0x13, 0x0F, 0x14, 0x1D, 0x1A, 0x1F, 0x1E, 0x1D, 0x1A, 0x1C, 0x1C, 0x20,
           0x24, 0x2E, 0x27, 0x20, 0x22, 0x2C, 0x23, 0x1C, 0x1C, 0x28, 0x37, 0x29, 0x2C, 0x30, 0x31,
           0x34, 0x34, 0x34, 0x1F, 0x27, 0x39, 0x3D, 0x38, 0x32, 0x3C, 0x2E, 0x33, 0x34, 0x32, 0xFF,
           0xDB, 0x00, 0x43, 0x01, 0x09, 0x09, 0x09, 0x0C, 0x0B, 0x0C, 0x18, 0x0D, 0x0D, 0x18, 0x32,
           0x21, 0x1C, 0x21, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32,
           0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32,
           0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32,
           0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x08,
           0x00, 0x10, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xFF, 0xC4, 0x00,
           0x15, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
           0x00, 0x00, 0x00, 0x00, 0x07, 0xFF, 0xC4, 0x00, 0x16, 0x10, 0x01, 0x01, 0x01, 0x00, 0x00,
           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x15, 0x62, 0xFF,
           0xC4, 0x00, 0x15, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
           0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x07, 0xFF, 0xC4, 0x00, 0x17, 0x11, 0x00, 0x03, 0x01,
           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05,
           0x16, 0x52, 0xFF, 0xDA, 0x00, 0x0C, 0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3F,
           0x00, 0x9A, 0x54, 0xD1, 0x53, 0x40, 0xA3, 0x4C, 0x2D, 0xC0, 0x9D, 0x13, 0x0D, 0x9F, 0xFF,
           0xD9});
    const uint8_t frame[4] = {0xFF, 0xFB, 0x90, 0x64};
    std::vector<uint8_t> stream;
    for (int i = 0; i < 3; ++i) {
        stream.insert(stream.end(), frame, frame + 4);
        stream.resize(stream.size() + 413, 0);
    }
    write(root / "mp3probe" / "frames.mp3", stream);
    write(root / "mp3probe" / "tag.mp3", {'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0});
    auto text = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    write(root / "lookuptable" / "fonts.data",
          text("mapfile xspace yspace\ndata/a.tga 1 2\ndata/b.tga -1\n\n"));
    write(root / "lookuptable" / "repeat.data", text("a b b c\r\n1\t2 3\r\nx\n"));
    std::vector<uint8_t> layout(32, 0);
    const int32_t numbers[8] = {10, 20, 100, 50, 16, 16, 0, 0};
    std::memcpy(layout.data(), numbers, sizeof numbers);
    std::vector<uint8_t> words = text("Hello <big> world\nand  more\tbytes\xff");
    layout.resize(sizeof numbers);
    layout.insert(layout.end(), words.begin(), words.end());
    write(root / "layout" / "words", layout);
    const char still[] = "--at\0"
                         "81012\0"
                         "--size\0"
                         "64x48\0"
                         "--output\0"
                         "a.png";
    write(root / "options" / "still", text(std::string(still, sizeof still - 1)));
    const char video[] = "--from\0"
                         "0\0"
                         "--to\0"
                         "2000\0"
                         "--fps\0"
                         "10\0"
                         "--output\0"
                         "v.mp4";
    write(root / "options" / "video", text(std::string(video, sizeof video - 1)));
    const char intro[] = "--window=800x600\0"
                         "--start\0"
                         "81012\0"
                         "--dev";
    write(root / "options" / "intro", text(std::string(intro, sizeof intro - 1)));
    write(root / "timeline" / "scenes.toml",
          text("soundtrack = \"m.mp3\"\nimages = [\"a.tga\", \"b.tga\"]\n"
               "[[scene]]\nend = 100\nimage = 0\nscroller = { text = 1, pace = 24000 }\n"
               "[[scene]]\nend = 200\nimage = 1\n"
               "changes = [{ at = 20, image = 0 }, { after = 30, image = 1 }]\n"
               "[[scene]]\nend = 300\nflipbook = { frames = [0, 1, 0], pace = 5, after = 1 }\n"));
    write(root / "timeline" / "layers.toml",
          text("version = 2\nsoundtrack = \"m.mp3\"\n[images]\nsky = \"a.png\"\nsun = \"b.jpg\"\n"
               "[[scene]]\nend = 100\nimage = \"sky\"\n"
               "[[scene.layer]]\nimage = \"sun\"\nfit = \"cover\"\n"
               "box = [[0, [0, 0, 1, 1]], [50, [0.5, 0.5, 0.5, 0.5], \"smooth\"]]\n"
               "alpha = [[0, 0], [20, 1, \"ramp\"], [40, 0.5, \"step\"]]\n"
               "[[scene.layer]]\ncolour = [0, 0, 0]\nalpha = 0.5\n"
               "[[scene.layer]]\ntext = \"HI <THERE>\"\nfont = \"b\"\nsize = [[0, 1], [90, 4]]\n"
               "colour = [255, 200, 0]\nbox = [0.1, [[0, 0.2], [50, 0.4]], 0.8, 0.3]\n"));
    write(root / "timeline" / "beats.toml",
          text("version = 3\nbpm = 128.5\noffset = 250\nbeats_per_bar = 3\nsoundtrack = \"m.mp3\"\n"
               "images = [\"a.tga\"]\n[[scene]]\nend = \"3:2.5\"\n"
               "[[scene]]\nend = \"16b\"\nchanges = [{ at = \"1b\", image = 0 }]\n"
               "scroller = { text = 0, pace = \"0.25b\" }\n"
               "[[scene.layer]]\ncolour = [0, 0, 0]\nalpha = [[\"0.5b\", 0], [\"5:1\", 1]]\n"));
    write(root / "timeline" / "planes.toml",
          text("version = 3\nsoundtrack = \"m.mp3\"\n[images]\nsky = \"a.png\"\n"
               "[[scene]]\nend = 100\n[scene.camera]\neye = [[0, [0, 0, 3]], [50, [1, 1, 2]]]\n"
               "target = [0, 0, 0]\nup = [0, 1, 0]\nfov = [[0, 50], [90, 70, \"smooth\"]]\n"
               "[[scene.layer]]\nplane = \"sky\"\nposition = [0, [[0, -1], [50, 1]], 0]\n"
               "rotation = [[0, [0, 0, 0]], [100, [0, 90, 0]]]\nsize = [2, 1]\nalpha = 0.5\n"));
    return 0;
}
