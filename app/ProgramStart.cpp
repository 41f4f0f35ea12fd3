#include "app/ProgramStart.h"

#include "base/CommandLine.h"
#include "platform/ProgramFolder.h"
#include "platform/StandardStreams.h"
#include "rules/ExitCodes.h"
#include "rules/ImageList.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <new>

using namespace afterglow;

const char* const kDataHint =
    "--data DIR names a folder of the intro's data; afterglow-assets DIR makes one";

int runProgram(int argc, char** argv, const std::string& fallbackName,
               const std::function<int(const std::string& program,
                                       const std::vector<std::string>& args)>& body) {
    keepStandardStreams();
    std::signal(SIGPIPE, SIG_IGN);
    const std::string program = programName(argc > 0 ? argv[0] : nullptr, fallbackName);
    try {
        return body(program, std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory\n", program.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unexpected failure\n", program.c_str());
    }
    return kExitFailed;
}

int refuseOptions(const std::string& program, const std::string& error, const std::string& usage) {
    std::fprintf(stderr, "%s: %s\n%s", program.c_str(), error.c_str(), usage.c_str());
    return kExitOptions;
}

int answer(const std::string& program, const std::string& text) {
    if (!printAll(text)) {
        std::fprintf(stderr, "%s: could not write to standard output\n", program.c_str());
        return kExitFailed;
    }
    return kExitDone;
}

std::optional<int> chooseShowAndData(const std::string& program, const std::string& dataGiven,
                                     const std::string& timeline, bool needData, DataFolder& data,
                                     Show& show) {
    std::vector<std::string> tried;
    // A timeline file brings its own images and music; the data folder then only lends its
    // fonts, to text layers and --dev.
    if (!chooseDataFolder(dataGiven, programDataFolders(), kSoundtrack, data, tried) &&
        timeline.empty()) {
        std::fprintf(stderr, "%s: no data folder found; tried %s. %s\n", program.c_str(),
                     joinFolders(tried).c_str(), kDataHint);
        if (needData) {
            return kExitFailed;
        }
    }
    // A folder given for the built-in timeline that lacks its soundtrack is no data folder: a
    // program that needs one says so, rather than draw every picture white.
    std::error_code ignored;
    if (needData && !dataGiven.empty() && timeline.empty() &&
        !std::filesystem::exists(data.path(kSoundtrack), ignored)) {
        std::fprintf(stderr, "%s: --data %s: not a data folder (no %s there). %s\n",
                     program.c_str(), dataGiven.c_str(), data.path(kSoundtrack).c_str(), kDataHint);
        return kExitFailed;
    }
    std::string error;
    if (!chooseShow(timeline, data, show, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kExitFailed;
    }
    return std::nullopt;
}
