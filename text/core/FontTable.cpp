#include "text/core/FontTable.h"

#include <algorithm>

std::vector<std::string> fontNames(LookupTable& table) {
    std::vector<std::string> names;
    for (int32_t font = 0; font < std::min(table.recordCount(), kMostFonts); ++font) {
        std::string name = table.getString(font, "mapfile");
        name = name.substr(name.rfind('/') + 1);
        names.push_back(name.substr(0, name.rfind('.')));
    }
    return names;
}
