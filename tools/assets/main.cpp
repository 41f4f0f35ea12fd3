// afterglow-assets: writes the intro's default content into a folder (default "data"): the 26
// images and the scroll text, the text printer's font atlases and "fonts.data", and the soundtrack,
// encoded with lame. Every byte comes from here; two runs write the same bytes.
#include "base/CommandLine.h"
#include "tools/assets/Artwork.h"
#include "tools/assets/FontAtlas.h"
#include "tools/assets/Soundtrack.h"
#include "tools/common/ChildProcess.h"
#include "tools/common/OutputFile.h"
#include "tools/common/PNGWriter.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

using namespace afterglow;

namespace {
const char* const kFontFolder = "/usr/share/fonts/truetype/dejavu/";

int fail(const std::string& message) {
    std::fprintf(stderr, "afterglow-assets: %s\n", message.c_str());
    return 1;
}

bool writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    return writeOutputFile(path.string(), bytes.data(), bytes.size(), error);
}

bool encodeMusic(const std::filesystem::path& path) {
    std::vector<int16_t> samples = synthesizeSoundtrack();
    // A path that starts with "-" would read as an option; "./" keeps it a file name.
    const std::string output = path.is_absolute() ? path.string() : "./" + path.string();
    ChildProcess lame({"lame", "--quiet", "-r", "-s", "44.1", "--bitwidth", "16", "--signed",
                       "--little-endian", "-m", "j", "-b", "160", "-", output},
                      false);
    const bool written = lame.write(samples.data(), samples.size() * sizeof(int16_t));
    return lame.finish() == ChildProcess::Ending::Succeeded && written;
}
} // namespace

int main(int argc, char** argv) {
    // A lame that ends early is a failed write to report, not a reason to die silently.
    std::signal(SIGPIPE, SIG_IGN);
    const char* const usage = "usage: afterglow-assets [FOLDER]\n"
                              "Writes the default images, fonts and soundtrack into FOLDER "
                              "(default: data).\n";
    CommandLine line;
    std::string mistake;
    if (!readCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc}, {}, 1, line, mistake)) {
        std::fprintf(stderr, "afterglow-assets: %s\n%s", mistake.c_str(), usage);
        return 2;
    }
    if (line.help) {
        return printAll(usage) ? 0 : fail("could not write to standard output");
    }
    if (!line.operands.empty() && line.operands[0].empty()) {
        std::fprintf(stderr, "afterglow-assets: FOLDER names a folder, not ''\n%s", usage);
        return 2;
    }
    const std::filesystem::path folder = line.operands.empty() ? "data" : line.operands[0];

    if (findProgram("lame").empty()) {
        return fail("lame not found: it encodes the soundtrack (Debian package lame)");
    }
    const std::string sansPath = std::string(kFontFolder) + "DejaVuSans.ttf";
    const std::string boldPath = std::string(kFontFolder) + "DejaVuSans-Bold.ttf";
    const std::string monoPath = std::string(kFontFolder) + "DejaVuSansMono.ttf";
    const std::string monoBoldPath = std::string(kFontFolder) + "DejaVuSansMono-Bold.ttf";
    Fonts fonts{Font(sansPath), Font(boldPath), Font(monoPath), Font(monoBoldPath)};
    for (const auto& [font, path] : {std::pair{&fonts.sans, sansPath},
                                     {&fonts.bold, boldPath},
                                     {&fonts.mono, monoPath},
                                     {&fonts.monoBold, monoBoldPath}}) {
        if (!font->ok()) {
            return fail("font not found or unreadable: " + path +
                        " (Debian package fonts-dejavu-core)");
        }
    }

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return fail("cannot create " + folder.string() + ": " + error.message());
    }
    const std::vector<Artwork> artwork = paintArtwork(fonts);
    for (const Artwork& art : artwork) {
        // The image list names files under data/; they go into the folder given.
        const std::filesystem::path path = folder / std::filesystem::path(art.file).filename();
        if (!writeFile(path, encodeTGA(art.canvas.toImage(art.bytesPerPixel, art.bottomUp),
                                       art.runLength))) {
            return fail("cannot write " + path.string());
        }
    }
    // The title card is the program's icon in a desktop's menus.
    const TGAImage title = paintIcon(fonts).toImage(3, false);
    std::string reason;
    if (!writePNG((folder / "afterglow.png").string(), title.width, title.height, title.pixels,
                  reason)) {
        return fail("cannot write " + (folder / "afterglow.png").string() + ": " + reason);
    }
    // The printer moves the same distance for every glyph: monospaced faces look even under it.
    const std::pair<const char*, const Font*> atlases[] = {{"font_bold.tga", &fonts.monoBold},
                                                           {"font_mono.tga", &fonts.mono}};
    for (const auto& [name, font] : atlases) {
        Canvas atlas = paintFontAtlas(*font, rgb(0xFFFFFF), rgb(0xFFC857));
        if (!writeFile(folder / name, encodeTGA(atlas.toImage(4, false), true))) {
            return fail("cannot write " + (folder / name).string());
        }
    }
    const std::string table =
        "mapfile xspace yspace\ndata/font_bold.tga -6 2\ndata/font_mono.tga -6 0\n";
    if (!writeFile(folder / "fonts.data", std::vector<uint8_t>(table.begin(), table.end()))) {
        return fail("cannot write " + (folder / "fonts.data").string());
    }
    if (!encodeMusic(folder / "vorn.mp3")) {
        return fail("lame could not encode " + (folder / "vorn.mp3").string());
    }
    return 0;
}
