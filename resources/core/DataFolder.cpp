#include "resources/core/DataFolder.h"

#include <sys/stat.h>

namespace {
std::string datafolder = "data";

bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
} // namespace

bool chooseDataFolder(const std::string& given, const std::vector<std::string>& installed,
                      std::vector<std::string>& tried) {
    if (!given.empty()) {
        datafolder = given;
        tried = {given};
        return true;
    }
    tried = {"data"};
    tried.insert(tried.end(), installed.begin(), installed.end());
    for (const std::string& folder : tried) {
        if (isFolder(folder)) {
            datafolder = folder;
            return true;
        }
    }
    datafolder = "data";
    return false;
}

std::string joinFolders(const std::vector<std::string>& folders) {
    std::string line;
    for (const std::string& folder : folders) {
        line += (line.empty() ? "" : ", ") + folder;
    }
    return line;
}

std::string dataPath(const std::string& name) {
    if (datafolder == "data" || name.rfind("data/", 0) != 0) {
        return name;
    }
    return datafolder + (datafolder.back() == '/' ? "" : "/") + name.substr(5);
}
