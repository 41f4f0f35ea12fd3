// ImageList: the 26 images the timeline shows, by image number, and their loading at start-up.
// These are the first loads into the texture library, so image n holds slot n + 1.
#pragma once

#include "app/DemoState.h"

#include <string>

// Built at process start, destroyed at exit last entry first.
extern const std::string ImageList[kImageCount];

// Loads every image in list order into the image slots. Needs a current GL context.
void loadImageList(DemoState& state);
