// Feeds arbitrary command lines to both programs' option parsers: arguments split at NULs.
#include "rules/IntroOptions.h"
#include "tools/capture/CaptureOptions.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    CaptureOptions options;
    std::string error;
    if (parseCaptureOptions(args, options, error) && !options.still) {
        frameTime(options, frameCount(options));
    }
    IntroOptions intro;
    parseIntroOptions(args, intro, error);
    return 0;
}
