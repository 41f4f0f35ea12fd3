// ImagePreload: reads and decodes a show's images on a thread of its own, in list order, while
// the program opens its window and GL context; the GL thread then takes them in the same order
// and uploads them. The decoder's failures are kept with each image and reported as it is taken,
// so that they come out as loading the list one file after another writes them, and not at all
// for images never taken.
#pragma once

#include "resources/core/TGALoader.h"
#include "rules/Show.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class ImagePreload {
  public:
    explicit ImagePreload(const Show& show);
    // Stops after the image being decoded; the others are never read.
    ~ImagePreload();
    ImagePreload(const ImagePreload&) = delete;
    ImagePreload& operator=(const ImagePreload&) = delete;

    struct Image {
        std::optional<afterglow::DecodedImage> decoded; // nullopt when the file did not decode
        afterglow::ImageFailure failure;                // why it did not
    };
    // Waits for image n of the list and hands it over; each is taken once. An image whose file
    // an earlier one names is not decoded again, and not to be taken.
    Image take(int image);

  private:
    void decodeAll(std::vector<std::string> paths);

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::optional<Image>> m_images;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
