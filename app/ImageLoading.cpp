#include "app/ImageLoading.h"

#include "app/ImageList.h"
#include "resources/DataFolder.h"
#include "resources/TextureLibrary.h"

void loadImageList(DemoState& state) {
    for (int n = 0; n < kImageCount; ++n) {
        state.imageslots[n] = loadTexture(dataPath(ImageList[n]), 0.0f);
    }
}
