#include "base/MP3Probe.h"

namespace {
// Bitrates in kbit/s by bitrate index, for MPEG-1 and for MPEG-2 and 2.5, layer III.
const int kBitratesMPEG1[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                112, 128, 160, 192, 224, 256, 320, 0};
const int kBitratesMPEG2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
const int kSampleRatesMPEG1[3] = {44100, 48000, 32000};

// Length in bytes of the layer III frame whose 4-byte header starts at p, or 0 when p holds no
// valid header: sync (11 bits set), version (not reserved), layer III, bitrate (not free or
// bad), sample rate (not reserved).
size_t frameLength(const uint8_t* p) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) {
        return 0;
    }
    const int version = (p[1] >> 3) & 3; // 0: MPEG-2.5, 1: reserved, 2: MPEG-2, 3: MPEG-1
    const int layer = (p[1] >> 1) & 3;   // 1: layer III
    const int bitrateIndex = p[2] >> 4;
    const int sampleRateIndex = (p[2] >> 2) & 3;
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 ||
        sampleRateIndex == 3) {
        return 0;
    }
    const bool mpeg1 = version == 3;
    const int bitrate = (mpeg1 ? kBitratesMPEG1 : kBitratesMPEG2)[bitrateIndex] * 1000;
    const int sampleRate = kSampleRatesMPEG1[sampleRateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int padding = (p[2] >> 1) & 1;
    return static_cast<size_t>((mpeg1 ? 144 : 72) * bitrate / sampleRate + padding);
}
} // namespace

bool looksLikeMP3(const uint8_t* data, size_t size) {
    // ID3v2: "ID3", version, revision, flags, then a size of four 7-bit bytes.
    if (size >= 10 && data[0] == 'I' && data[1] == 'D' && data[2] == '3' && data[3] != 0xFF &&
        data[4] != 0xFF && (data[6] | data[7] | data[8] | data[9]) < 0x80) {
        return true;
    }
    if (size < 4) {
        return false;
    }
    const size_t length = frameLength(data);
    if (length == 0) {
        return false;
    }
    return length + 4 > size || frameLength(data + length) != 0;
}
