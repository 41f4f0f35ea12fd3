// Before any header that includes the GL's: the buffer and framebuffer calls are declared only
// with it.
#define GL_GLEXT_PROTOTYPES
#include "tools/capture/Capture.h"

#include "app/Frame.h"
#include "app/ImageLoading.h"
#include "app/core/DemoState.h"
#include "platform/HeadlessContext.h"
#include "resources/TextureLibrary.h"
#include "resources/core/DataFolder.h"
#include "resources/core/RegularFile.h"
#include "tools/capture/CapturePlan.h"
#include "tools/common/ChildProcess.h"
#include "tools/common/OutputFile.h"
#include "tools/common/PNGWriter.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>

namespace {
int fail(const std::string& program, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), message.c_str());
    return 1;
}

// Set by SIGINT or SIGTERM: the capture stops at the next frame and finishes what it has. The
// handler also makes stopPipe readable, which ends ffmpeg's unbounded waits: whatever ffmpeg
// does, we are gone within two graces.
volatile std::sig_atomic_t stopSignal = 0;
int stopPipe[2] = {-1, -1};
constexpr std::chrono::milliseconds kStopGrace{500};

void noteStopSignal(int signal) {
    stopSignal = signal;
    const int saved = errno;
    const char byte = 0;
    if (write(stopPipe[1], &byte, 1) < 0) { // full after earlier signals: readable already
    }
    errno = saved;
}

// The end of stopPipe to watch, or -1 when there is none.
int catchStopSignals() {
    if (stopPipe[0] < 0 && pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    struct sigaction action = {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    return stopPipe[0];
}

// The intro's start-up on a context of the requested size: the image list loaded and the
// scenes before "until" replayed. The textures go before the context that holds them.
struct Session {
    Session(const CaptureOptions& options, const Show& show, uint32_t until)
        : context(options.width, options.height), images(show.imageCount()) {
        if (context.ok()) {
            missing = loadImageList(show, state, textures);
            resetPicture(show, state, until);
        }
    }
    HeadlessContext context;
    TextureLibrary textures;
    CurrentTextureLibrary current{textures};
    DemoState state;
    int images;
    int missing = 0; // images that did not load, drawn untextured
};

// The exit code of a capture written whole: 0, or kImagesMissing, said in one line, when some
// pictures are drawn without their image.
int writtenWhole(const std::string& program, const Session& session, const char* what) {
    if (session.missing == 0) {
        return 0;
    }
    std::fprintf(stderr, "%s: %d of %d images did not load; the %s shows them white\n",
                 program.c_str(), session.missing, session.images, what);
    return kImagesMissing;
}

// A queue between the renderer and the thread that feeds ffmpeg; take() waits for an item.
template <class T> class Channel {
  public:
    T take() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_items.empty(); });
        T item = std::move(m_items.front());
        m_items.pop_front();
        return item;
    }
    void give(T item) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_items.push_back(std::move(item));
        }
        m_changed.notify_all();
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<T> m_items;
};

// Read-back through a ring of pixel buffer objects: the GL reads a frame into one buffer while
// the writer thread sends an earlier one, mapped, to ffmpeg, so rendering, read-back and
// encoding overlap and no frame is copied on our side. Buffers are mapped and unmapped on the
// GL thread only; the writer hands each one back when it has sent it.
class PixelRing {
  public:
    struct Frame {
        int buffer = -1; // -1 marks the end
        const uint8_t* pixels = nullptr;
    };
    PixelRing(int width, int height) : m_width(width), m_height(height), m_mapped(kBuffers) {
        glGenBuffers(kBuffers, m_buffers);
        for (int b = 0; b < kBuffers; ++b) {
            glBindBuffer(GL_PIXEL_PACK_BUFFER, m_buffers[b]);
            glBufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(bytes()), nullptr,
                         GL_STREAM_READ);
            free.give(b);
        }
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    }
    ~PixelRing() {
        for (int b = 0; b < kBuffers; ++b) {
            if (m_mapped[b]) {
                glBindBuffer(GL_PIXEL_PACK_BUFFER, m_buffers[b]);
                glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
            }
        }
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
        glDeleteBuffers(kBuffers, m_buffers);
    }
    size_t bytes() const { return static_cast<size_t>(m_width) * m_height * 4; }

    // Reads the frame just drawn and passes it on to the writer.
    void read() {
        const int b = free.take();
        glBindBuffer(GL_PIXEL_PACK_BUFFER, m_buffers[b]);
        if (m_mapped[b]) {
            glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
        }
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, m_width, m_height, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
        m_mapped[b] = true;
        full.give(
            {b, static_cast<const uint8_t*>(glMapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY))});
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    }

    Channel<int> free;
    Channel<Frame> full;

  private:
    static constexpr int kBuffers = 3;
    int m_width, m_height;
    GLuint m_buffers[kBuffers];
    std::vector<bool> m_mapped;
};

// Progress on stderr: one updating line on a terminal, a plain line every few seconds otherwise.
class Progress {
  public:
    Progress(const std::string& program, uint64_t total)
        : m_program(program), m_total(total), m_terminal(isatty(STDERR_FILENO) != 0) {}
    void update(uint64_t done, uint32_t clock) {
        double now = seconds();
        if (now - m_last < (m_terminal ? 0.25 : 5.0)) {
            return;
        }
        m_last = now;
        std::fprintf(stderr, "%s%s: frame %llu of %llu (%.0f%%), clock %u ms, %.1f frames/s%s",
                     m_terminal ? "\r" : "", m_program.c_str(),
                     static_cast<unsigned long long>(done),
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
        std::fprintf(stderr, "%s%s: wrote %llu frames in %.1f s: %.1f frames/s, %.2f x real time\n",
                     m_terminal ? "\r\033[K" : "", m_program.c_str(),
                     static_cast<unsigned long long>(done), elapsed, done / elapsed,
                     static_cast<double>(done) / fps / elapsed);
    }

  private:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }
    std::string m_program;
    uint64_t m_total;
    bool m_terminal;
    double m_last = 0;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
} // namespace

int captureStill(const std::string& program, const CaptureOptions& options, const Show& show) {
    // Opened before any work, so that an output that cannot be written is found out first.
    OutputFile file(options.output);
    std::string reason;
    if (!file.open(reason)) {
        return fail(program, "cannot write " + options.output + ": " + reason);
    }
    Session session(options, show, options.at);
    if (!session.context.ok()) {
        return fail(program, "no offscreen GL context");
    }
    drawScene(session.state, planFrame(show, session.state, options.at));
    if (!writePNG(file, options.width, options.height, session.context.readPixels(), reason) ||
        !file.commit(reason)) {
        return fail(program, "cannot write " + options.output + ": " + reason);
    }
    std::fprintf(stderr, "%s: wrote %s (%d x %d, clock %u ms)\n", program.c_str(),
                 options.output.c_str(), options.width, options.height, options.at);
    return writtenWhole(program, session, "still");
}

// The picture under the scroller (the cleared screen and its image, the same in every frame of
// scene 1 once blending is on) costs more to draw than the scroller itself. It is drawn once,
// kept in a framebuffer object, and copied back into the window for each frame, which then only
// draws the scroller. Frames are still drawn in the window: a framebuffer object is rasterised
// the other way up, and its pixels differ in the last bit here and there.
class ImageLayerCache {
  public:
    ImageLayerCache(int width, int height) : m_width(width), m_height(height) {
        glGenRenderbuffers(1, &m_image);
        glBindRenderbuffer(GL_RENDERBUFFER, m_image);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glGenFramebuffers(1, &m_framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_image);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    ~ImageLayerCache() {
        glDeleteFramebuffers(1, &m_framebuffer);
        glDeleteRenderbuffers(1, &m_image);
    }

    void draw(const DemoState& state, const SceneDrawing& drawing) {
        const bool layered = drawing.scroller && glIsEnabled(GL_BLEND) == GL_TRUE;
        if (layered && drawing.image == m_layerImage) {
            copy(m_framebuffer, 0);
        } else {
            drawSceneImage(state, drawing);
            if (layered) {
                copy(0, m_framebuffer);
                m_layerImage = drawing.image;
            }
        }
        drawSceneScroller(state, drawing);
    }

  private:
    void copy(GLuint from, GLuint to) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
        glBlitFramebuffer(0, 0, m_width, m_height, 0, 0, m_width, m_height, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    int m_width, m_height;
    GLuint m_image = 0, m_framebuffer = 0;
    int m_layerImage = -2; // the image under the scroller the cache holds; none yet
};

// The encoder: x264's fastest preset at CRF 20. Measured over the whole intro on two cores, it
// alone keeps 4K capture at half real time; slower presets make files a half to a third the
// size but spend their time on the frames that only repeat (see the README).
// ffmpeg receives only the frames that differ, each stamped with the number of the video frame
// it starts; its fps filter repeats each until the next, after the colour conversion, so a
// repeated frame costs the encoder alone.
std::vector<std::string> ffmpegArguments(const CaptureOptions& options,
                                         const std::vector<PlannedFrame>& frames,
                                         const std::string& soundtrack, const std::string& output) {
    char from[32], length[32];
    std::snprintf(from, sizeof from, "%.3f", options.from / 1000.0);
    std::snprintf(length, sizeof length, "%.6f",
                  static_cast<double>(frameCount(options)) / options.fps);
    const std::string fps = std::to_string(options.fps);
    const std::string size = std::to_string(options.width) + "x" + std::to_string(options.height);
    // File names go behind "file:", so that none is read as an option or another protocol.
    // GL reads rows bottom first; ffmpeg turns them over. The soundtrack is padded with silence
    // and the output ends with the picture, at its full length or at the last frame given when
    // the capture is interrupted: the video keeps every frame, also past the end of the music.
    // Its one progress report at the end (the period is a day) tells the frames it wrote, also
    // when it was asked to end early.
    // clang-format off
    return {"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y",
            "-f", "rawvideo", "-pix_fmt", "bgra", "-video_size", size, "-framerate", fps,
            "-i", "pipe:0",
            "-ss", from, "-i", "file:" + soundtrack,
            "-map", "0:v:0", "-map", "1:a:0?",
            "-vf", "setpts='" + frameNumberExpression(frames) + "',vflip,format=yuv420p,fps=" + fps,
            "-c:v", "libx264", "-preset", "ultrafast", "-crf", "20",
            "-af", "apad", "-c:a", "aac", "-b:a", "192k", "-shortest", "-t", length,
            "-movflags", "+faststart", "file:" + output,
            "-progress", "pipe:1", "-stats_period", "86400"};
    // clang-format on
}

int captureVideo(const std::string& program, const CaptureOptions& options, const Show& show) {
    if (findProgram("ffmpeg").empty()) {
        return fail(program, "ffmpeg not found: it encodes the video (Debian package ffmpeg)");
    }
    const std::string& soundtrack = show.soundtrackPath();
    std::FILE* music = openRegularFile(soundtrack.c_str());
    if (music == nullptr) {
        return fail(program, soundtrack + " not found: the video's soundtrack");
    }
    std::fclose(music);
    // Caught before the output is opened, so that a stop never leaves its temporary file.
    const int stopFd = catchStopSignals();
    if (stopFd < 0) {
        return fail(program, std::string("cannot catch stop signals: ") + std::strerror(errno));
    }
    // ffmpeg tells the format by the extension, and seeks back to write the index.
    OutputFile file(options.output, ".partial.mp4");
    if (file.direct()) {
        return fail(program, "cannot write " + options.output +
                                 ": a video needs a regular file, which it can seek in");
    }
    std::string reason;
    if (!file.open(reason)) {
        return fail(program, "cannot write " + options.output + ": " + reason);
    }
    Session session(options, show, options.from);
    if (!session.context.ok()) {
        return fail(program, "no offscreen GL context");
    }
    const DemoState& state = session.state;

    const std::vector<PlannedFrame> frames =
        planVideo(show, options, options.everyFrame, [] { return stopSignal != 0; });
    const uint64_t total = frameCount(options);
    if (stopSignal != 0) {
        std::fprintf(stderr, "%s: interrupted before the first frame: %s was not written\n",
                     program.c_str(), options.output.c_str());
        return 128 + stopSignal;
    }
    // In a process group of its own: a Ctrl-C at the terminal stops us, and we let ffmpeg
    // finish a playable file with the frames it has.
    ChildProcess ffmpeg(ffmpegArguments(options, frames, soundtrack, file.writingPath()), true);
    if (!ffmpeg.started()) {
        return fail(program, "cannot start ffmpeg: " + ffmpeg.startError());
    }
    ffmpeg.stopOn(stopFd, kStopGrace);

    PixelRing ring(options.width, options.height);
    std::optional<ImageLayerCache> layers; // none: every frame drawn whole, as the intro does
    if (!options.everyFrame) {
        layers.emplace(options.width, options.height);
    }
    std::atomic<bool> encoderStopped{false};
    // The frames the video holds so far: ffmpeg repeats the last frame sent up to the number of
    // the next one planned, where its picture ends.
    std::atomic<uint64_t> sent{0};
    std::thread writer([&] {
        for (size_t k = 0;; ++k) {
            PixelRing::Frame f = ring.full.take();
            if (f.buffer < 0) {
                return;
            }
            // The rest is only handed back, so that the renderer never waits.
            encoderStopped =
                encoderStopped || f.pixels == nullptr || !ffmpeg.write(f.pixels, ring.bytes());
            if (!encoderStopped) {
                sent = k + 1 < frames.size() ? frames[k + 1].number : frameCount(options);
            }
            ring.free.give(f.buffer);
        }
    });

    Progress progress(program, total);
    for (const PlannedFrame& f : frames) {
        if (encoderStopped || stopSignal != 0) {
            break;
        }
        if (layers) {
            layers->draw(state, f.drawing);
        } else {
            drawScene(state, f.drawing);
        }
        ring.read();
        progress.update(f.number + 1, f.time);
    }
    ring.full.give({});
    writer.join();
    const ChildProcess::Ending ending = ffmpeg.finish();
    const uint64_t written = sent;
    if (stopSignal != 0 && ending != ChildProcess::Ending::Failed) {
        progress.clear();
        uint64_t held = 0;
        if (encodedFrames(ffmpeg.outputTail(), held)) {
            if (!file.commit(reason)) {
                return fail(program, "cannot write " + options.output + ": " + reason);
            }
            std::fprintf(
                stderr, "%s: interrupted: %s is %s, it holds %llu of %llu frames\n",
                program.c_str(), options.output.c_str(), held < total ? "partial" : "complete",
                static_cast<unsigned long long>(held), static_cast<unsigned long long>(total));
        } else {
            std::fprintf(stderr,
                         "%s: interrupted: ffmpeg had to be ended before it finished %s, which "
                         "was not written\n",
                         program.c_str(), options.output.c_str());
        }
        return 128 + stopSignal;
    }
    if (encoderStopped || ending != ChildProcess::Ending::Succeeded) {
        const std::string tail = ffmpeg.errorTail(5);
        return fail(program, "ffmpeg failed after " + std::to_string(written) + " frames; " +
                                 options.output + " was not written" +
                                 (tail.empty() ? std::string() : ". ffmpeg said:\n" + tail));
    }
    if (!file.commit(reason)) {
        return fail(program, "cannot write " + options.output + ": " + reason);
    }
    progress.finish(total, options.fps);
    return writtenWhole(program, session, "video");
}
