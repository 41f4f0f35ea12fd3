#include "app/ImageLoading.h"

#include "app/core/ImageList.h"
#include "resources/TextureLibrary.h"
#include "resources/core/DataFolder.h"

void loadImageList(DemoState& state) {
    for (int n = 0; n < kImageCount; ++n) {
        state.imageslots[n] = loadTexture(dataPath(ImageList[n]), 0.0f);
    }
}
