// ImageList: the intro's data files: the 26 images the timeline shows, by image number, and the
// soundtrack.
#pragma once

#include "rules/DemoState.h"

#include <string>

// Built at process start, destroyed at exit last entry first.
extern const std::string ImageList[kImageCount]; // NOLINT(readability-identifier-naming)

// The image the scroller carries: "data/scrolltext.tga".
constexpr int kScrollTextImage = 4;

constexpr const char* kSoundtrack = "data/vorn.mp3";
