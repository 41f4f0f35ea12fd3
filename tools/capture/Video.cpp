#include "app/Frame.h"
#include "base/MemoryRoom.h"
#include "base/RegularFile.h"
#include "resources/core/TGALoader.h"
#include "rules/ExitCodes.h"
#include "tools/capture/Capture.h"
#include "tools/capture/CapturePlan.h"
#include "tools/capture/ImageLayerCache.h"
#include "tools/capture/PixelRing.h"
#include "tools/capture/Progress.h"
#include "tools/capture/Session.h"
#include "tools/capture/StopSignals.h"
#include "tools/capture/VideoPlanes.h"
#include "tools/capture/WholeVideo.h"
#include "tools/common/ChildProcess.h"
#include "tools/common/OutputFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

using namespace afterglow;

// The encoder: x264's fastest preset at CRF 20. Measured over the whole intro on two cores, it
// alone keeps 4K capture at half real time; slower presets make files a half to a third the
// size but spend their time on the frames that only repeat (see the README).
// ffmpeg receives only the frames that differ, already in the video's colours and upright
// (VideoPlanes), each stamped with the number of the video frame it starts; at a constant rate
// its fps filter repeats each until the next, so a repeated frame costs the encoder alone.
namespace {
constexpr uint64_t kEncoderMemory = uint64_t{64} << 20;
constexpr uint64_t kVideoBytesPerPixel = 96;

// The video's filters: each frame stamped, and at a constant rate repeated. At a variable rate
// each picture is encoded once and held by its timestamp.
std::string videoFilters(const CaptureOptions& options, const std::vector<PlannedFrame>& frames) {
    return "setpts='" + frameNumberExpression(frames) + "'" +
           (options.variableRate ? "" : ",fps=" + std::to_string(options.fps));
}

// The filters come from a file (filterScript): at the timeline format's bounds the stamps'
// expression is megabytes long, past what an argument may hold.
std::vector<std::string> ffmpegArguments(const CaptureOptions& options,
                                         const std::string& filterScript, const Show& show,
                                         const std::string& output) {
    // The soundtrack placed on the clock: the part of it from the first frame's time on, after
    // the silence before its start, at its volume.
    const uint32_t start = show.soundtrackStart();
    char from[32], length[32], audio[96];
    std::snprintf(from, sizeof from, "%.3f", (std::max(options.from, start) - start) / 1000.0);
    std::snprintf(audio, sizeof audio, "adelay=%u:all=1,volume=%.4f,apad",
                  start > options.from ? start - options.from : 0, show.soundtrackVolume());
    std::snprintf(length, sizeof length, "%.6f",
                  static_cast<double>(frameCount(options)) / options.fps);
    const std::string fps = std::to_string(options.fps);
    const std::string size = std::to_string(options.width) + "x" + std::to_string(options.height);
    // File names go behind "file:", so that none is read as an option or another protocol.
    // The colour tags say what VideoPlanes made: the BT.601 matrix at limited range, of
    // pictures in sRGB (whose primaries are BT.709's). The soundtrack is padded with silence
    // and the output ends with the picture, at its full length or at the last frame given when
    // the capture is interrupted: the video keeps every frame, also past the end of the music.
    // Its one progress report at the end (the period is a day) tells the frames it wrote, also
    // when it was asked to end early.
    // clang-format off
    return {"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y",
            "-f", "rawvideo", "-pix_fmt", "yuv420p", "-video_size", size, "-framerate", fps,
            "-i", "pipe:0",
            "-ss", from, "-i", "file:" + show.soundtrackPath(),
            "-map", "0:v:0", "-map", "1:a:0",
            "-filter_script:v", filterScript,
            "-fps_mode", options.variableRate ? "vfr" : "auto",
            "-c:v", "libx264", "-preset", "ultrafast", "-crf", "20",
            "-colorspace", "smpte170m", "-color_range", "tv", "-color_primaries", "bt709",
            "-color_trc", "iec61966-2-1",
            "-af", audio, "-c:a", "aac", "-b:a", "192k", "-shortest", "-t", length,
            "-movflags", "+faststart", "file:" + output,
            "-progress", "pipe:1", "-stats_period", "86400"};
    // clang-format on
}
// ffmpeg takes each frame of a 4K video (33 MB, past the largest block glibc keeps in its heap)
// in memory fresh from the kernel: a page fault every 4 KiB of it, or every 2 MiB in transparent
// huge pages (a third off the capture at 2160p). Tunables of the user's own are kept.
std::string tunablesWithHugePages() {
    const char* own = std::getenv("GLIBC_TUNABLES");
    std::string tunables = own != nullptr ? own : "";
    if (tunables.find("glibc.malloc.hugetlb") == std::string::npos) {
        tunables += std::string(tunables.empty() ? "" : ":") + "glibc.malloc.hugetlb=1";
    }
    return "GLIBC_TUNABLES=" + tunables;
}
} // namespace

int captureVideo(const std::string& program, const CaptureOptions& options, const Show& show,
                 const DataFolder& data) {
    if (findProgram("ffmpeg").empty()) {
        return failCapture(program,
                           "ffmpeg not found: it encodes the video (Debian package ffmpeg)");
    }
    const std::string& soundtrack = show.soundtrackPath();
    std::FILE* music = openRegularFile(soundtrack.c_str());
    if (music == nullptr) {
        return failCapture(program, soundtrack + " not found: the video's soundtrack");
    }
    std::fclose(music);
    // Caught before the output is opened, so that a stop never leaves its temporary file.
    const int stopFd = catchStopSignals();
    if (stopFd < 0) {
        return failCapture(program,
                           std::string("cannot catch stop signals: ") + std::strerror(errno));
    }
    // ffmpeg tells the format by the extension, and seeks back to write the index.
    OutputFile file(options.output, ".partial.mp4");
    if (file.direct()) {
        return failCapture(program, "cannot write " + options.output +
                                        ": a video needs a regular file, which it can seek in");
    }
    std::string reason;
    if (!file.open(reason)) {
        return failCapture(program, "cannot write " + options.output + ": " + reason);
    }
    // What the frames and ffmpeg take once the pictures are in: ffmpeg's x264 at its preset took
    // 110 MB at 720p, 177 MB at 1080p and 449 MB at 2160p; our read-back ring and layer cache
    // about 20 bytes a pixel. Pictures that would leave less are drawn white, where the encoder
    // would have been killed for want of memory mid-video.
    // A video whose frames alone would not fit is refused: the driver that ran out mid-video
    // would end the process. The frame buffer's own allocation, made later, is told alike.
    const uint64_t frameMemory = kEncoderMemory + kVideoBytesPerPixel *
                                                      static_cast<uint64_t>(options.width) *
                                                      options.height;
    const auto tooLarge = [&](const std::optional<uint64_t>& left) {
        return failCapture(program,
                           "not enough memory for a video of " + std::to_string(options.width) +
                               "x" + std::to_string(options.height) + ": it takes about " +
                               std::to_string((frameMemory + kMemoryReserve) >> 20) + " MiB" +
                               (left ? ", " + std::to_string(*left >> 20) + " MiB are left" : "") +
                               "; a smaller --size takes less");
    };
    // roomFor counts the reserve itself.
    const std::optional<uint64_t> room = memoryRoom();
    if (!roomFor(frameMemory, room)) {
        return tooLarge(room);
    }
    keepMemoryFree(frameMemory);
    Session session(options, show, data, options.from);
    if (!session.context.ok()) {
        return failCapture(program, "no offscreen GL context: " + session.context.error());
    }
    if (!session.shadersBuilt) {
        return failCapture(program, "a shader layer did not build (said above)");
    }
    // The scene index moves on as the frames are drawn, as it moved while they were planned.
    DemoState state = session.state;

    const std::vector<PlannedFrame> frames =
        planVideo(show, options, options.everyFrame, [] { return stopSignalSeen() != 0; });
    const uint64_t total = frameCount(options);
    if (stopSignalSeen() != 0) {
        std::fprintf(stderr, "%s: interrupted before the first frame: %s was not written\n",
                     program.c_str(), options.output.c_str());
        return kExitSignalled + stopSignalSeen();
    }
    // The frame in the video's colours, filled on the writer thread.
    const size_t planesBytes = videoPlanesBytes(options.width, options.height);
    const PixelBuffer planes = allocatePixelBuffer(planesBytes);
    if (planes == nullptr) {
        return tooLarge(memoryRoom());
    }
    // In a process group of its own: a Ctrl-C at the terminal stops us, and we let ffmpeg
    // finish a playable file with the frames it has.
    const ChildScript filters(videoFilters(options, frames));
    if (!filters.ok()) {
        return failCapture(program, "cannot write a temporary file: " + filters.error());
    }
    ChildProcess ffmpeg(ffmpegArguments(options, filters.path(), show, file.writingPath()), true,
                        {tunablesWithHugePages()});
    if (!ffmpeg.started()) {
        return failCapture(program, "cannot start ffmpeg: " + ffmpeg.startError());
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
    // Converted here while the GL draws the next frame; the read-back buffer goes back as soon
    // as it is converted.
    std::thread writer([&] {
        for (size_t k = 0;; ++k) {
            PixelRing::Frame f = ring.full.take();
            if (f.buffer < 0) {
                return;
            }
            // Once the encoder stops, frames are only handed back, so that the renderer never
            // waits.
            const bool converted = !encoderStopped && f.pixels != nullptr;
            if (converted) {
                videoPlanesFromReadBack(f.pixels, options.width, options.height, planes.get());
            }
            ring.free.give(f.buffer);
            encoderStopped = !converted || !ffmpeg.write(planes.get(), planesBytes);
            if (!encoderStopped) {
                sent = k + 1 < frames.size() ? frames[k + 1].number : frameCount(options);
            }
        }
    });
    // Ends the writer also when drawing throws (the GL driver out of memory), so that the
    // exception reaches the program's report and the temporary file is removed.
    struct WriterEnd {
        PixelRing& ring;
        std::thread& writer;
        void now() {
            if (writer.joinable()) {
                ring.full.give({});
                writer.join();
            }
        }
        ~WriterEnd() { now(); }
    } writerEnd{ring, writer};

    Progress progress(program, total);
    for (const PlannedFrame& f : frames) {
        if (encoderStopped || stopSignalSeen() != 0) {
            break;
        }
        const SceneDrawing drawing = planFrame(show, state, f.time);
        if (layers) {
            layers->draw(state, drawing);
        } else {
            drawScene(state, drawing);
        }
        ring.read();
        progress.update(f.number + 1, f.time);
    }
    writerEnd.now();
    const ChildProcess::Ending ending = ffmpeg.finish();
    const uint64_t written = sent;
    // ffmpeg has been seen to end with 0 after a full disk cut its file's index off, and it
    // writes error lines for damage it recovers from (a bad frame of the soundtrack): the file
    // itself decides.
    const std::string said = ffmpeg.errorTail(5);
    const std::string saying = said.empty() ? std::string() : ". ffmpeg said:\n" + said;
    const std::string fault =
        ending == ChildProcess::Ending::Succeeded ? videoFault(file.writingPath()) : std::string();
    if (stopSignalSeen() != 0 && ending != ChildProcess::Ending::Failed) {
        progress.clear();
        uint64_t encoded = 0;
        const bool reported = encodedFrames(ffmpeg.outputTail(), encoded);
        if (reported && encoded > 0 && fault.empty()) {
            const uint64_t held = framesHeld(frames, encoded, options.variableRate);
            if (!file.commit(reason)) {
                return failCapture(program, "cannot write " + options.output + ": " + reason);
            }
            std::fprintf(
                stderr, "%s: interrupted: %s is %s, it holds %llu of %llu frames\n",
                program.c_str(), options.output.c_str(), held < total ? "partial" : "complete",
                static_cast<unsigned long long>(held), static_cast<unsigned long long>(total));
        } else {
            const std::string why = !reported      ? "ffmpeg had to be ended before it finished it"
                                    : encoded == 0 ? "no frame was encoded yet"
                                                   : "its video is not whole (" + fault + ")";
            std::fprintf(stderr, "%s: interrupted: %s was not written: %s%s\n", program.c_str(),
                         options.output.c_str(), why.c_str(), saying.c_str());
        }
        return kExitSignalled + stopSignalSeen();
    }
    if (encoderStopped || ending != ChildProcess::Ending::Succeeded) {
        // ffmpeg's own words for a soundtrack without sound name no file.
        const std::string mute =
            said.find("1:a:0' matches no streams") != std::string::npos
                ? ": the soundtrack " + show.soundtrackPath() + " holds no sound ffmpeg can read"
                : "";
        return failCapture(program, "ffmpeg failed after " + std::to_string(written) + " frames; " +
                                        options.output + " was not written" + mute + saying);
    }
    if (!fault.empty()) {
        return failCapture(program, "ffmpeg ended as if it had finished, but its video is not "
                                    "whole (" +
                                        fault + "); " + options.output + " was not written" +
                                        saying);
    }
    if (!file.commit(reason)) {
        return failCapture(program, "cannot write " + options.output + ": " + reason);
    }
    progress.finish(total, options.fps);
    return writtenWhole(program, session, "video");
}
