#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
// Made at the first use, removed at exit.
const std::filesystem::path& scratch() {
    static const std::filesystem::path path = [] {
        auto folder =
            std::filesystem::temp_directory_path() / ("intro-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::atexit([] { std::filesystem::remove_all(scratch()); });
        return folder;
    }();
    return path;
}
} // namespace

std::string scratchPath(const std::string& name) {
    return (scratch() / name).string();
}

std::string writeScratchFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = scratchPath(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string writeScratchFile(const std::string& name, const std::string& text) {
    return writeScratchFile(name, std::vector<uint8_t>(text.begin(), text.end()));
}

int runCommand(const std::string& command) {
    return std::system(command.c_str());
}
