#include "resources/DataFolder.h"

namespace {
std::string datafolder;
} // namespace

void setDataFolder(const std::string& folder) {
    datafolder = folder;
}

std::string dataPath(const std::string& name) {
    if (datafolder.empty() || name.rfind("data/", 0) != 0) {
        return name;
    }
    return datafolder + (datafolder.back() == '/' ? "" : "/") + name.substr(5);
}
