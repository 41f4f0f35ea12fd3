#include "app/ImageLoading.h"

#include "rules/ImageSlots.h"

#include <utility>

std::vector<int> loadImageList(const Show& show, DemoState& state, TextureLibrary& textures,
                               ImagePreload* preload, const std::function<bool()>& keepLoading) {
    std::vector<int> failed;
    state.imageSlots.assign(static_cast<size_t>(show.imageCount()), 0);
    const std::vector<size_t> first = firstOfSameFile(show.imagePaths());
    for (int n = 0; n < show.imageCount() && (!keepLoading || keepLoading()); ++n) {
        if (first[n] != static_cast<size_t>(n)) {
            state.imageSlots[n] = state.imageSlots[first[n]];
        } else if (preload != nullptr) {
            ImagePreload::Image image = preload->take(n);
            reportImageFailure(image.failure); // none for an image that decoded
            state.imageSlots[n] = textures.adopt(show.imagePath(n), std::move(image.decoded));
        } else {
            state.imageSlots[n] = textures.load(show.imagePath(n));
        }
        if (textures.get(state.imageSlots[n]) == nullptr) {
            failed.push_back(n);
        }
    }
    return failed;
}

std::string missingImages(const Show& show, const std::vector<int>& failed) {
    constexpr size_t kNamed = 5;
    std::string line = std::to_string(failed.size()) + " of " + std::to_string(show.imageCount()) +
                       " images did not load (";
    for (size_t i = 0; i < failed.size() && i < kNamed; ++i) {
        line += (i > 0 ? ", " : "") + show.imagePath(failed[i]);
    }
    if (failed.size() > kNamed) {
        line += " and " + std::to_string(failed.size() - kNamed) + " more";
    }
    return line + ")";
}
