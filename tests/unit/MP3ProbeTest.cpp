#include "base/MP3Probe.h"

#include <gtest/gtest.h>

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
    const uint8_t layer2[4] = {0xFF, 0xFD, 0x90, 0x64}; // MPEG audio, but layer II
    const std::string text = "mapfile xspace yspace\n";
    const std::vector<std::tuple<const char*, std::vector<uint8_t>, bool>> cases = {
        {"shorter than a frame", frames(mpeg1, 100, 1), true},
        {"a frame and 3 bytes, too few for the next header", frames(mpeg1, 420, 1), true},
        {"3 bytes of a header", {0xFF, 0xFB, 0x90}, false},
        {"layer II", frames(layer2, 417, 3), false},
        {"ID3 tag", {'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0}, true},
        {"tag size with its high bit set", {'I', 'D', '3', 3, 0, 0, 0x80, 0, 1, 0}, false},
        {"text", std::vector<uint8_t>(text.begin(), text.end()), false},
        {"nothing", {}, false},
    };
    for (const auto& [name, data, expected] : cases) {
        EXPECT_EQ(looksLikeMP3(data.data(), data.size()), expected) << name;
    }
}

// Frame lengths from the standard's tables (144 or 72 x bitrate / sample rate, plus padding):
// a stream is known by its second header lying exactly one frame after the first, for MPEG-1, 2
// and 2.5.
TEST(MP3Probe, FindsTheNextHeaderOneFrameOnForEveryBitrateAndSampleRate) {
    // second header byte (version, layer III), sample rate index, padding, then the lengths by
    // bitrate index 1 to 14
    const std::vector<std::tuple<uint8_t, int, int, std::vector<size_t>>> cases = {
        {0xFB, 0, 0, {104, 130, 156, 182, 208, 261, 313, 365, 417, 522, 626, 731, 835, 1044}},
        {0xFB, 0, 1, {105, 131, 157, 183, 209, 262, 314, 366, 418, 523, 627, 732, 836, 1045}},
        {0xFB, 1, 0, {96, 120, 144, 168, 192, 240, 288, 336, 384, 480, 576, 672, 768, 960}},
        {0xFB, 2, 0, {144, 180, 216, 252, 288, 360, 432, 504, 576, 720, 864, 1008, 1152, 1440}},
        {0xF3, 0, 0, {26, 52, 78, 104, 130, 156, 182, 208, 261, 313, 365, 417, 470, 522}},
        {0xE3, 1, 0, {48, 96, 144, 192, 240, 288, 336, 384, 480, 576, 672, 768, 864, 960}},
    };
    for (const auto& [version, rate, padding, lengths] : cases) {
        for (size_t k = 0; k < lengths.size(); ++k) {
            const uint8_t header[4] = {
                0xFF, version, static_cast<uint8_t>((k + 1) << 4 | rate << 2 | padding << 1), 0x64};
            SCOPED_TRACE(testing::Message() << std::hex << int{version} << " " << int{header[2]});
            EXPECT_TRUE(looksLikeMP3(frames(header, lengths[k], 3).data(), 3 * lengths[k]));
            EXPECT_FALSE(
                looksLikeMP3(frames(header, lengths[k] - 1, 3).data(), 3 * lengths[k] - 3));
        }
    }
}

} // namespace
