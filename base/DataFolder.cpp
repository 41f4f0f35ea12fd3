#include "base/DataFolder.h"

#include <sys/stat.h>

namespace afterglow {

namespace {
bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}
} // namespace

std::string DataFolder::path(const std::string& name) const {
    if (m_folder == "data" || name.rfind("data/", 0) != 0) {
        return name;
    }
    return m_folder + (m_folder.back() == '/' ? "" : "/") + name.substr(5);
}

bool chooseDataFolder(const std::string& given, const std::vector<std::string>& installed,
                      const std::string& marker, DataFolder& chosen,
                      std::vector<std::string>& tried) {
    tried.clear();
    if (!given.empty()) {
        chosen = DataFolder(given);
        tried.push_back(given);
        return true;
    }
    std::vector<std::string> candidates = {"data"};
    candidates.insert(candidates.end(), installed.begin(), installed.end());
    const std::string file = marker.substr(marker.rfind('/') + 1);
    for (const std::string& folder : candidates) {
        const DataFolder candidate(folder);
        if (!isFolder(folder)) {
            tried.push_back(folder);
        } else if (!exists(candidate.path(marker))) {
            tried.push_back(folder + " (no " + file + ")");
        } else {
            chosen = candidate;
            return true;
        }
    }
    chosen = DataFolder();
    return false;
}

std::string joinFolders(const std::vector<std::string>& folders) {
    std::string line;
    for (const std::string& folder : folders) {
        line += (line.empty() ? "" : ", ") + folder;
    }
    return line;
}

} // namespace afterglow
