// Feeds arbitrary bytes to the TGA decoder as the content of an image file.
#include "resources/core/TGALoader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedImage image;
    decodeTGA(data, size, kLargestTextureSide, image);
    return 0;
}
