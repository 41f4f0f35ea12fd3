#include "app/MusicStart.h"
#include "resources/MP3Probe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(MusicErrorText, CoversCodes0To18AndIsUnknownBeyond) {
    EXPECT_STREQ(musicErrorText(0), "No errors");
    EXPECT_STREQ(musicErrorText(1),
                 "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.");
    EXPECT_STREQ(musicErrorText(3), "Error initializing output device.");
    EXPECT_STREQ(musicErrorText(9), "File not found");
    EXPECT_STREQ(musicErrorText(10), "Unknown file format");
    EXPECT_STREQ(musicErrorText(11), "Error loading file");
    EXPECT_STREQ(musicErrorText(12), "Not enough memory ");
    EXPECT_STREQ(musicErrorText(18), "Required Mediaplayer codec is not installed");
    EXPECT_STREQ(musicErrorText(19), "Unknown error");
    EXPECT_STREQ(musicErrorText(0xFFFFFFFFu), "Unknown error");
}

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
    std::vector<uint8_t> stream = frames(mpeg1, 417, 3);
    EXPECT_TRUE(looksLikeMP3(stream.data(), stream.size()));
    std::vector<uint8_t> half = frames(mpeg2, 208, 2);
    EXPECT_TRUE(looksLikeMP3(half.data(), half.size()));
    EXPECT_TRUE(looksLikeMP3(stream.data(), 100))
        << "a stream shorter than a frame is given the benefit";
    std::vector<uint8_t> misaligned = frames(mpeg1, 416, 3);
    EXPECT_FALSE(looksLikeMP3(misaligned.data(), misaligned.size()))
        << "no second header after the first frame";
    std::vector<uint8_t> other = frames(layer2, 417, 3);
    EXPECT_FALSE(looksLikeMP3(other.data(), other.size()));
    const uint8_t tag[10] = {'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0};
    EXPECT_TRUE(looksLikeMP3(tag, sizeof tag));
    const uint8_t badtag[10] = {'I', 'D', '3', 3, 0, 0, 0x80, 0, 1, 0};
    EXPECT_FALSE(looksLikeMP3(badtag, sizeof badtag));
    const char* text = "mapfile xspace yspace\n";
    EXPECT_FALSE(looksLikeMP3(reinterpret_cast<const uint8_t*>(text), std::strlen(text)));
    EXPECT_FALSE(looksLikeMP3(nullptr, 0));
}

} // namespace
