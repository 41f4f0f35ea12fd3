#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        path = std::filesystem::temp_directory_path() / ("intro-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

ScratchFolder& scratch() {
    static ScratchFolder folder;
    return folder;
}
} // namespace

std::string scratchPath(const std::string& name) {
    return (scratch().path / name).string();
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
