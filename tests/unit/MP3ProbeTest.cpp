#include "resources/core/MP3Probe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> frames(const uint8_t header[4], size_t length, int count) {
    std::vector<uint8_t> data;
    for (int i = 0; i < count; ++i) {
        data.insert(data.end(), header, header + 4);
        data.resize(data.size() + length - 4, 0);
    }
    return data;
}

TEST(MP3Probe, KnowsLayerThreeStreamsAndTagsFromOtherData) {
    const uint8_t mpeg1[4] = {0xFF, 0xFB, 0x90, 0x64};  // 128 kbit/s, 44.1 kHz: 417 bytes
    const uint8_t mpeg2[4] = {0xFF, 0xF3, 0x80, 0xC4};  // 64 kbit/s, 22.05 kHz: 208 bytes
    const uint8_t layer2[4] = {0xFF, 0xFD, 0x90, 0x64}; // MPEG audio, but layer II
    const uint8_t tag[10] = {'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0};
    const uint8_t badtag[10] = {'I', 'D', '3', 3, 0, 0, 0x80, 0, 1, 0};
    const char* text = "mapfile xspace yspace\n";
    const std::vector<std::tuple<const char*, std::vector<uint8_t>, bool>> cases = {
        {"MPEG-1 frames", frames(mpeg1, 417, 3), true},
        {"MPEG-2 frames", frames(mpeg2, 208, 2), true},
        {"shorter than a frame", frames(mpeg1, 100, 1), true},
        {"no second header after the first frame", frames(mpeg1, 416, 3), false},
        {"layer II", frames(layer2, 417, 3), false},
        {"ID3 tag", std::vector<uint8_t>(tag, tag + 10), true},
        {"tag size with its high bit set", std::vector<uint8_t>(badtag, badtag + 10), false},
        {"text", std::vector<uint8_t>(text, text + std::strlen(text)), false},
        {"nothing", {}, false},
    };
    for (const auto& [name, data, expected] : cases) {
        EXPECT_EQ(looksLikeMP3(data.data(), data.size()), expected) << name;
    }
}

} // namespace
