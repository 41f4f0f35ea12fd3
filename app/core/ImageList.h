// ImageList: the files of the 26 images the timeline shows, by image number.
#pragma once

#include "app/core/DemoState.h"

#include <string>

// Built at process start, destroyed at exit last entry first.
extern const std::string ImageList[kImageCount];
