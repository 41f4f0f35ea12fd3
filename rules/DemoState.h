// DemoState: the record the frame loop plays from, owned by the program and passed down; zero
// before the first frame. The window, GL context and music are the program's platform/ objects.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kImageCount = 26;

struct DemoState {
    bool quit = false;
    // Current scene, 0 to 12; 13 once the timeline is over.
    int32_t scene = 0;
    // GL texture name of each image of the image list, by image number; 0 until loaded. The
    // built-in list has 26; a timeline file's has its own count.
    std::vector<int32_t> imageSlots = std::vector<int32_t>(kImageCount, 0);
    // Messages inspected that carried Enter or Space; both keys share it.
    int32_t keyCounter = 0;
};
