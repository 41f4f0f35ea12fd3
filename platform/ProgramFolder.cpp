#include "platform/ProgramFolder.h"

#include <climits>
#include <unistd.h>

std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return "";
    }
    const std::string program(path, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/'));
}

std::vector<std::string> programDataFolders() {
    const std::string folder = programFolder();
    return {folder + "/data", folder + "/" INTRO_DATA_FROM_PROGRAM};
}
