// Feeds arbitrary bytes to the picture decoders (TGA, PNG or JPEG by the first bytes) as the
// content of an image file, then its second half as another file into the same image, so that a
// buffer kept from the first load meets whatever the second asks of it. A file may carry any
// bytes after its pixels, so both can decode.
#include "resources/core/ImageFile.h"

#include <cstdint>

using namespace afterglow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedImage image;
    decodeImage(data, size, kLargestTextureSide, image);
    decodeImage(data + size / 2, size - size / 2, kLargestTextureSide, image);
    return 0;
}
