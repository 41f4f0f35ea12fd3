#include "app/ImagePreload.h"

#include "resources/core/ImageFile.h"
#include "rules/ImageSlots.h"

#include <utility>

using namespace afterglow;

ImagePreload::ImagePreload(const Show& show)
    : m_images(show.imagePaths().size()),
      m_thread(&ImagePreload::decodeAll, this, show.imagePaths()) {}

ImagePreload::~ImagePreload() {
    m_stop = true;
    m_thread.join();
}

void ImagePreload::decodeAll(std::vector<std::string> paths) {
    const std::vector<size_t> first = firstOfSameFile(paths);
    for (size_t n = 0; n < paths.size() && !m_stop; ++n) {
        if (first[n] != n) {
            continue; // taken from the first of its file
        }
        Image image;
        DecodedImage decoded;
        const bool read = readImageFile(paths[n], kLargestTextureSide, decoded);
        image.failure = decoded.failure; // None when it decoded
        if (read) {
            image.decoded = std::move(decoded);
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_images[n] = std::move(image);
        m_ready.notify_all();
    }
}

ImagePreload::Image ImagePreload::take(int image) {
    std::unique_lock<std::mutex> lock(m_mutex);
    std::optional<Image>& slot = m_images[static_cast<size_t>(image)];
    m_ready.wait(lock, [&] { return slot.has_value(); });
    Image taken = std::move(*slot);
    slot.reset();
    return taken;
}
