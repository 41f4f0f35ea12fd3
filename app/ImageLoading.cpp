#include "app/ImageLoading.h"

#include "app/core/ImageList.h"

int loadImageList(DemoState& state, TextureLibrary& textures, const DataFolder& data) {
    int failed = 0;
    for (int n = 0; n < kImageCount; ++n) {
        state.imageSlots[n] = textures.load(data.path(ImageList[n]));
        failed += textures.get(state.imageSlots[n]) == nullptr ? 1 : 0;
    }
    return failed;
}
