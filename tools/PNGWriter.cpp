#include "tools/PNGWriter.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

bool writePNG(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}
