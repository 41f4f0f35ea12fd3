// Prints a few lines over one of the default images with the text printer, offscreen, and
// saves the frame as a PNG. Run it where data/ is: build/text-overlay [picture.png]
#include "base/CommandLine.h"
#include "draw/ImageQuads.h"
#include "platform/HeadlessContext.h"
#include "resources/TextureLibrary.h"
#include "text/FontSet.h"
#include "text/TextPrinter.h"
#include "tools/common/PNGWriter.h"

#include <GL/gl.h>

#include <cstdio>

using namespace afterglow;

namespace {
// Whether what was printed reached standard output; says so on standard error when not.
bool wroteStandardOutput() {
    if (std::fflush(stdout) == 0) {
        return true;
    }
    std::fputs("text-overlay: could not write to standard output\n", stderr);
    return false;
}
} // namespace

int main(int argc, char** argv) {
    const char* const usage = "usage: text-overlay [picture.png]\n";
    CommandLine line;
    std::string mistake;
    if (!readCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc}, {}, 1, line, mistake)) {
        std::fprintf(stderr, "text-overlay: %s\n%s", mistake.c_str(), usage);
        return 2;
    }
    if (line.help) {
        std::fputs(usage, stdout);
        return wroteStandardOutput() ? 0 : 1;
    }
    // Declared first, so that it outlives the textures made in it.
    HeadlessContext context(640, 400);
    if (!context.ok()) {
        std::fprintf(stderr, "text-overlay: no GL context: %s\n", context.error().c_str());
        return 1;
    }
    TextureLibrary textures;
    CurrentTextureLibrary currentTextures(textures);
    showImage(loadTexture("data/stjerner.tga", 0.0f));
    FontSet fonts(textures, DataFolder());
    CurrentFontSet currentFonts(fonts);
    if (fontCount() < 2) { // a font outside the list would raise std::out_of_range
        std::fprintf(stderr, "text-overlay: data/fonts.data lists %d fonts; this example uses 2\n",
                     fontCount());
        return 1;
    }
    glEnable(GL_BLEND); // let the glyphs' edges blend

    printText(16, 16, 288, 120,
              "Words wrap inside the box you give, and a <highlighted> word stands out.", 0);
    glColor4f(0.6f, 0.9f, 1.0f, 1.0f);
    printText(16, 120, 288, 64, "A second font,\nspaced its own way.", 1);

    const std::string output = line.operands.empty() ? "text-overlay.png" : line.operands[0];
    std::string error;
    if (!writePNG(output, context.width(), context.height(), context.readPixels(), error)) {
        std::fprintf(stderr, "text-overlay: cannot write %s: %s\n", output.c_str(), error.c_str());
        return 1;
    }
    std::printf("text-overlay: wrote %s (%d x %d)\n", output.c_str(), context.width(),
                context.height());
    return wroteStandardOutput() ? 0 : 1;
}
