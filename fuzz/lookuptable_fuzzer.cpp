// Feeds arbitrary bytes to the table loader as the content of a table file, then queries it.
#include "text/LookupTableLoader.h"

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/lookuptable-fuzz-" + std::to_string(getpid()) + ".data";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    std::unique_ptr<LookupTable> table(loadLookupTable(path));
    const int32_t records = table->recordCount(), keys = table->keyCount();
    for (int32_t r = -1; r <= records; ++r) {
        for (int32_t k = -1; k <= keys; ++k) {
            table->getFloat(r, k);
        }
    }
    table->getRandomInt(0);
    table->getNextString();
    table->getInt(0, table->keyCount() > 0 ? table->m_keys[0] : "missing");
    return 0;
}
