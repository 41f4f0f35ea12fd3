#include "app/ImageLoading.h"

int loadImageList(const Show& show, DemoState& state, TextureLibrary& textures) {
    int failed = 0;
    state.imageSlots.assign(static_cast<size_t>(show.imageCount()), 0);
    for (int n = 0; n < show.imageCount(); ++n) {
        state.imageSlots[n] = textures.load(show.imagePath(n));
        failed += textures.get(state.imageSlots[n]) == nullptr ? 1 : 0;
    }
    return failed;
}
