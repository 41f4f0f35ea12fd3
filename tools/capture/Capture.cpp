#include "tools/capture/Capture.h"

#include "app/DemoState.h"
#include "app/Frame.h"
#include "app/ImageLoading.h"
#include "platform/ChildProcess.h"
#include "platform/HeadlessContext.h"
#include "resources/RegularFile.h"
#include "tools/PNGWriter.h"

#include <GL/gl.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {
std::optional<uint32_t> noMessage() {
    return std::nullopt;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "intro-capture: %s\n", message.c_str());
    return 1;
}

// Creates (or empties) the output file, so that an output that cannot be written is found out
// before any work.
bool outputWritable(const std::string& path, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    std::fclose(file);
    return true;
}

// Set by SIGINT or SIGTERM: the capture stops at the next frame and finishes what it has.
volatile std::sig_atomic_t stopsignal = 0;

void noteStopSignal(int signal) {
    stopsignal = signal;
}

void catchStopSignals() {
    struct sigaction action = {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// The intro's start-up on a context of the requested size, and the scenes before "until".
// The context is static so that the texture library's teardown at exit finds it current.
HeadlessContext* startUp(const CaptureOptions& options, DemoState& state, uint32_t until) {
    // One rasteriser thread: the encoder needs the other core more than the renderer gains from
    // it (measured: the split of two cores decides the speed). A value given by the user stays.
    setenv("LP_NUM_THREADS", "1", 0);
    static HeadlessContext context(options.width, options.height);
    if (!context.ok()) {
        return nullptr;
    }
    loadImageList(state);
    for (uint32_t t : warmUpTimes(until)) {
        frame(state, t, &noMessage);
    }
    return &context;
}

// Frame buffers passed from the renderer to the thread that feeds ffmpeg, so that rendering
// and read-back overlap with encoding. An empty buffer passed as full marks the end.
class FrameQueue {
  public:
    FrameQueue(size_t buffers, size_t size) {
        for (size_t i = 0; i < buffers; ++i) {
            m_free.emplace_back(size);
        }
    }
    std::vector<uint8_t> takeFree() { return take(m_free); }
    std::vector<uint8_t> takeFull() { return take(m_full); }
    void giveFree(std::vector<uint8_t> b) { give(m_free, std::move(b)); }
    void giveFull(std::vector<uint8_t> b) { give(m_full, std::move(b)); }

  private:
    std::vector<uint8_t> take(std::deque<std::vector<uint8_t>>& from) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return !from.empty(); });
        std::vector<uint8_t> b = std::move(from.front());
        from.pop_front();
        return b;
    }
    void give(std::deque<std::vector<uint8_t>>& to, std::vector<uint8_t> b) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            to.push_back(std::move(b));
        }
        m_changed.notify_all();
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<uint8_t>> m_free, m_full;
};

// Progress on stderr: one updating line on a terminal, a plain line every few seconds otherwise.
class Progress {
  public:
    explicit Progress(uint64_t total) : m_total(total), m_terminal(isatty(STDERR_FILENO) != 0) {}
    void update(uint64_t done, uint32_t clock) {
        double now = seconds();
        if (now - m_last < (m_terminal ? 0.25 : 5.0)) {
            return;
        }
        m_last = now;
        std::fprintf(stderr,
                     "%sintro-capture: frame %llu of %llu (%.0f%%), clock %u ms, %.1f frames/s%s",
                     m_terminal ? "\r" : "", static_cast<unsigned long long>(done),
                     static_cast<unsigned long long>(m_total), 100.0 * done / m_total, clock,
                     done / now, m_terminal ? "" : "\n");
    }
    // Ends an updating line, so that the next message starts on a line of its own.
    void clear() {
        if (m_terminal) {
            std::fprintf(stderr, "\r\033[K");
        }
    }
    void finish(uint64_t done, int fps) {
        double elapsed = seconds();
        std::fprintf(
            stderr,
            "%sintro-capture: wrote %llu frames in %.1f s: %.1f frames/s, %.2f x real time\n",
            m_terminal ? "\r\033[K" : "", static_cast<unsigned long long>(done), elapsed,
            done / elapsed, static_cast<double>(done) / fps / elapsed);
    }

  private:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }
    uint64_t m_total;
    bool m_terminal;
    double m_last = 0;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
} // namespace

int captureStill(const CaptureOptions& options) {
    std::string reason;
    if (!outputWritable(options.output, reason)) {
        return fail("cannot write " + options.output + ": " + reason);
    }
    DemoState state;
    HeadlessContext* context = startUp(options, state, options.at);
    if (context == nullptr) {
        return fail("no offscreen GL context");
    }
    frame(state, options.at, &noMessage);
    if (!writePNG(options.output, options.width, options.height, context->readPixels(), reason)) {
        return fail("cannot write " + options.output + ": " + reason);
    }
    return 0;
}

std::vector<std::string> ffmpegArguments(const CaptureOptions& options) {
    char from[32], length[32];
    std::snprintf(from, sizeof from, "%.3f", options.from / 1000.0);
    std::snprintf(length, sizeof length, "%.6f",
                  static_cast<double>(frameCount(options)) / options.fps);
    // File names go behind "file:", so that none is read as an option or another protocol.
    // GL reads rows bottom first; ffmpeg turns them over. The soundtrack is padded with silence
    // and the output ends with the picture, at its full length or at the last frame given when
    // the capture is interrupted: the video keeps every frame, also past the end of the music.
    return {"ffmpeg",       "-nostdin",
            "-hide_banner", "-loglevel",
            "error",        "-y",
            "-f",           "rawvideo",
            "-pix_fmt",     "bgra",
            "-video_size",  std::to_string(options.width) + "x" + std::to_string(options.height),
            "-framerate",   std::to_string(options.fps),
            "-i",           "pipe:0",
            "-ss",          from,
            "-i",           "file:data/vorn.mp3",
            "-map",         "0:v:0",
            "-map",         "1:a:0?",
            "-vf",          "vflip",
            "-c:v",         "libx264",
            "-preset",      "superfast",
            "-crf",         "20",
            "-pix_fmt",     "yuv420p",
            "-af",          "apad",
            "-c:a",         "aac",
            "-b:a",         "192k",
            "-shortest",    "-t",
            length,         "-movflags",
            "+faststart",   "file:" + options.output};
}

int captureVideo(const CaptureOptions& options) {
    if (findProgram("ffmpeg").empty()) {
        return fail("ffmpeg not found: it encodes the video (Debian package ffmpeg)");
    }
    std::FILE* music = openRegularFile("data/vorn.mp3");
    if (music == nullptr) {
        return fail("data/vorn.mp3 not found: the video's soundtrack");
    }
    std::fclose(music);
    std::string reason;
    if (!outputWritable(options.output, reason)) {
        return fail("cannot write " + options.output + ": " + reason);
    }
    catchStopSignals();
    DemoState state;
    if (startUp(options, state, options.from) == nullptr) {
        return fail("no offscreen GL context");
    }

    // In a process group of its own: a Ctrl-C at the terminal stops us, and we let ffmpeg
    // finish a playable file with the frames it has.
    ChildProcess ffmpeg(ffmpegArguments(options), true);
    if (!ffmpeg.started()) {
        return fail("cannot start ffmpeg: " + ffmpeg.startError());
    }

    const size_t framebytes = static_cast<size_t>(options.width) * options.height * 4;
    const uint64_t total = frameCount(options);
    FrameQueue queue(3, framebytes);
    std::atomic<bool> encoderstopped{false};
    std::atomic<uint64_t> written{0};
    std::thread writer([&] {
        for (;;) {
            std::vector<uint8_t> pixels = queue.takeFull();
            if (pixels.empty()) {
                return;
            }
            if (!encoderstopped && ffmpeg.write(pixels.data(), pixels.size())) {
                ++written;
            } else {
                encoderstopped = true; // the rest is only handed back, so the renderer never waits
            }
            queue.giveFree(std::move(pixels));
        }
    });

    Progress progress(total);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (uint64_t n = 0; n < total && !encoderstopped && stopsignal == 0; ++n) {
        const uint32_t t = frameTime(options, n);
        frame(state, t, &noMessage);
        std::vector<uint8_t> pixels = queue.takeFree();
        glReadPixels(0, 0, options.width, options.height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
        queue.giveFull(std::move(pixels));
        progress.update(n + 1, t);
    }
    queue.giveFull({});
    writer.join();
    const bool encoded = ffmpeg.finish();
    if (encoderstopped || !encoded) {
        const std::string tail = ffmpeg.errorTail(5);
        return fail("ffmpeg failed after " + std::to_string(written) + " frames; " +
                    options.output + " is incomplete" +
                    (tail.empty() ? std::string() : ". ffmpeg said:\n" + tail));
    }
    if (stopsignal != 0) {
        progress.clear();
        std::fprintf(stderr,
                     "intro-capture: interrupted: %s is partial, it holds %llu of %llu frames\n",
                     options.output.c_str(), static_cast<unsigned long long>(written.load()),
                     static_cast<unsigned long long>(total));
        return 128 + stopsignal;
    }
    progress.finish(total, options.fps);
    return 0;
}
