// Watches what a viewer would see and hear: a pixel of the X screen and a sound stream (16-bit
// mono samples on standard input, as parec writes a sink's monitor). Prints, in milliseconds on
// the monotonic clock, each change of the pixel ("picture MS RGB") and each click, a loud sample
// after at least 200 ms of quiet ("click MS").
//
// usage: av_probe RATE X Y SECONDS
//
// A sample's time is taken from when its bytes arrived: the earliest arrival, less the samples
// that came before it, over the whole recording (arrivals are late by the pipe and the
// scheduler, never early by more than the monitor's block). The pixel is read every half a
// millisecond.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Sound {
    double firstSampleMs = std::numeric_limits<double>::max();
    std::vector<uint64_t> clicks; // sample numbers
};

void listen(double rate, const std::atomic<bool>& done, Sound& sound) {
    constexpr int kLoud = 8000;
    const uint64_t quiet = static_cast<uint64_t>(rate * 0.2);
    std::vector<int16_t> buffer(4096);
    uint64_t samples = 0, lastLoud = 0;
    bool heardAny = false;
    while (!done) {
        const ssize_t got = read(0, buffer.data(), buffer.size() * sizeof(int16_t));
        if (got <= 0) {
            break;
        }
        const double arrived = nowMs();
        const size_t count = static_cast<size_t>(got) / sizeof(int16_t);
        for (size_t i = 0; i < count; ++i) {
            if (std::abs(buffer[i]) >= kLoud) {
                if (!heardAny || samples + i - lastLoud > quiet) {
                    sound.clicks.push_back(samples + i);
                }
                heardAny = true;
                lastLoud = samples + i;
            }
        }
        samples += count;
        sound.firstSampleMs = std::min(sound.firstSampleMs, arrived - samples * 1e3 / rate);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: av_probe RATE X Y SECONDS\n");
        return 2;
    }
    const double rate = std::atof(argv[1]);
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const double seconds = std::atof(argv[4]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "av_probe: no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);

    std::atomic<bool> done{false};
    Sound sound;
    std::thread listener(listen, rate, std::cref(done), std::ref(sound));

    const double end = nowMs() + seconds * 1e3;
    unsigned long last = ~0ul;
    for (double now = nowMs(); now < end; now = nowMs()) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        const double seen = nowMs();
        if (image != nullptr) {
            const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
            XDestroyImage(image);
            if (pixel != last) {
                // Halfway between the read's start and end: the pixel changed within the read.
                std::printf("picture %.1f %06lx\n", (now + seen) / 2, pixel);
                last = pixel;
            }
        }
        usleep(500);
    }
    done = true;
    listener.join();
    for (uint64_t click : sound.clicks) {
        std::printf("click %.1f\n", sound.firstSampleMs + click * 1e3 / rate);
    }
    XCloseDisplay(display);
    return 0;
}
