#include "app/ImageLoading.h"

#include "resources/core/Check.h"

#include <utility>

int loadImageList(const Show& show, DemoState& state, TextureLibrary& textures,
                  ImagePreload* preload, const std::function<bool()>& keepLoading) {
    int failed = 0;
    state.imageSlots.assign(static_cast<size_t>(show.imageCount()), 0);
    for (int n = 0; n < show.imageCount() && (!keepLoading || keepLoading()); ++n) {
        if (preload != nullptr) {
            ImagePreload::Image image = preload->take(n);
            writeCheckReports(image.reports);
            state.imageSlots[n] = textures.adopt(show.imagePath(n), std::move(image.decoded));
        } else {
            state.imageSlots[n] = textures.load(show.imagePath(n));
        }
        failed += textures.get(state.imageSlots[n]) == nullptr ? 1 : 0;
    }
    return failed;
}
