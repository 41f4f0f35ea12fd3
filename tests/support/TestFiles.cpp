#include "TestFiles.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
// A folder of its own (mkdtemp: never one a process of the same number left behind), made at the
// first use and removed with the statics at exit.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "intro-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::filesystem::filesystem_error(
                "mkdtemp", pattern, std::error_code(errno, std::generic_category()));
        }
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::filesystem::path& scratch() {
    static const ScratchFolder folder;
    return folder.path;
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

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int runCommand(const std::string& command) {
    return std::system(command.c_str());
}
