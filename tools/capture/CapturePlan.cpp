#include "tools/capture/CapturePlan.h"

#include "base/CommandLine.h"
#include "rules/FramePlan.h"

#include <algorithm>

using namespace afterglow;

namespace {
// What reaches the pixels: the drawing, and the additive blending the scroller leaves on.
struct Picture {
    SceneDrawing drawing;
    bool blended;
    bool operator==(const Picture& o) const { return drawing == o.drawing && blended == o.blended; }
};
} // namespace

std::vector<PlannedFrame> planVideo(const Show& show, const CaptureOptions& options,
                                    bool everyFrame, const std::function<bool()>& stopRequested) {
    DemoState state;
    bool blended = false;
    for (uint32_t t : warmUpTimes(show, options.from)) {
        blended |= planFrame(show, state, t).scroller;
    }
    std::vector<PlannedFrame> frames;
    const uint64_t total = frameCount(options);
    Picture last{};
    for (uint64_t n = 0; n < total; ++n) {
        if (n % 4096 == 0 && stopRequested && stopRequested()) {
            break;
        }
        const uint32_t t = frameTime(options, n);
        const Picture picture{planFrame(show, state, t), blended};
        if (everyFrame || n == 0 || n + 1 == total || !(picture == last)) {
            frames.push_back({n, t});
        }
        blended |= picture.drawing.scroller;
        last = picture;
    }
    return frames;
}

namespace {
// Frames first to last of a run whose number is N + offset.
struct Piece {
    uint64_t first, offset;
};

// The pieces from..to picked by a search on N, so that the expression nests as deep as the
// logarithm of their count: ffmpeg refuses about a hundred levels.
std::string pickPiece(const std::vector<Piece>& pieces, size_t from, size_t to) {
    if (to - from == 1) {
        return "N+" + std::to_string(pieces[from].offset);
    }
    const size_t middle = from + (to - from) / 2;
    return "if(lt(N," + std::to_string(pieces[middle].first) + ")," +
           pickPiece(pieces, from, middle) + "," + pickPiece(pieces, middle, to) + ")";
}
} // namespace

std::string frameNumberExpression(const std::vector<PlannedFrame>& frames) {
    // Piecewise N + offset: the scroller's frames follow one another, a still's are one apart.
    std::vector<Piece> pieces;
    for (size_t k = 0; k < frames.size(); ++k) {
        const uint64_t offset = frames[k].number - k;
        if (pieces.empty() || offset != pieces.back().offset) {
            pieces.push_back({k, offset});
        }
    }
    return pieces.empty() ? "N" : pickPiece(pieces, 0, pieces.size());
}

bool encodedFrames(const std::string& progress, uint64_t& frames) {
    const std::string end = "\nprogress=end\n";
    if (progress.size() < end.size() ||
        progress.compare(progress.size() - end.size(), end.size(), end) != 0) {
        return false;
    }
    const size_t key = progress.rfind("\nframe=");
    if (key == std::string::npos) {
        return false;
    }
    const size_t from = key + 7;
    return parseWholeNumber(progress.substr(from, progress.find('\n', from) - from), 0, UINT64_MAX,
                            frames);
}

uint64_t framesHeld(const std::vector<PlannedFrame>& frames, uint64_t encoded, bool variableRate) {
    if (!variableRate || encoded == 0 || frames.empty()) {
        return encoded;
    }
    return frames[std::min<uint64_t>(encoded, frames.size()) - 1].number + 1;
}
