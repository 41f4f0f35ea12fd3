// Feeds arbitrary bytes to the MP3 probe, as the head of a music file.
#include "base/MP3Probe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    looksLikeMP3(data, size);
    return 0;
}
