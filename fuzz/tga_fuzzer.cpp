// Feeds arbitrary bytes to the picture decoders (TGA, PNG or JPEG by the first bytes) as the
// content of an image file, then its second half as another file into the same image, so that a
// buffer kept from the first load meets whatever the second asks of it. A file may carry any
// bytes after its pixels, so both can decode. A decode fails exactly when it names a failure.
#include "resources/core/ImageFile.h"

#include <cstdint>

using namespace afterglow;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedImage image;
    for (const size_t from : {size_t{0}, size / 2}) {
        const bool decoded = decodeImage(data + from, size - from, kLargestTextureSide, image);
        if (decoded != (image.failure.error == ImageError::None)) {
            __builtin_trap();
        }
    }
    return 0;
}
