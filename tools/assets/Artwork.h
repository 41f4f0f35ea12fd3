// Artwork: the default content's pictures, painted procedurally: the 26 images of the image list
// (768 x 432, for 16:9 screens), the tall scroll text among them, and the program's icon.
#pragma once

#include "tools/assets/Canvas.h"
#include "tools/assets/Font.h"

#include <string>
#include <vector>

struct Fonts {
    Font sans;
    Font bold;
    Font mono;
    Font monoBold;
};

struct Artwork {
    std::string file;  // under data/
    int bytesPerPixel; // 3, or 4 with alpha
    bool runLength;    // type 10 rather than type 2
    bool bottomUp;     // full-screen images stand upright with their first row at the bottom
    Canvas canvas;
};

// Every picture of the default content, in image-list order.
std::vector<Artwork> paintArtwork(const Fonts& fonts);
// The title card, square: icons are.
Canvas paintIcon(const Fonts& fonts);
