#include "tools/common/PNGWriter.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdlib>

namespace afterglow {

bool writePNG(OutputFile& file, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error) {
    // Encoded in memory, so that every byte reaches the file through one checked writer.
    int size = 0;
    unsigned char* png = stbi_write_png_to_mem(rgb.data(), width * 3, width, height, 3, &size);
    if (png == nullptr) {
        error = "out of memory";
        return false;
    }
    bool written = file.write(png, static_cast<size_t>(size), error);
    std::free(png);
    return written;
}

bool writePNG(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error) {
    OutputFile file(path);
    return file.open(error) && writePNG(file, width, height, rgb, error) && file.commit(error);
}

} // namespace afterglow
