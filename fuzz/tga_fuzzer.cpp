// Feeds arbitrary bytes to the TGA decoder as the content of an image file.
#include "resources/TGALoader.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A memory file cannot be empty; /dev/null stands in for an empty file.
    std::FILE* file = size == 0 ? std::fopen("/dev/null", "rb")
                                : fmemopen(const_cast<uint8_t*>(data), size, "rb");
    delete loadTGAFromFile(file, "fuzz.tga", Texture::GLName::None);
    return 0;
}
