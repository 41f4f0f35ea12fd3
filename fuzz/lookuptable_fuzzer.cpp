// Feeds arbitrary bytes to the table loader as the content of a table file, then queries it.
#include "text/core/LookupTableLoader.h"

#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<LookupTable> table(
        parseLookupTable(std::string(reinterpret_cast<const char*>(data), size), "fuzz.data"));
    const int32_t records = table->recordCount(), keys = table->keyCount();
    for (int32_t r = -1; r <= records; ++r) {
        for (int32_t k = -1; k <= keys; ++k) {
            table->getFloat(r, k);
        }
    }
    table->getRandomInt(0);
    table->getNextString();
    table->getInt(0, table->keyCount() > 0 ? table->keyName(0) : "missing");
    return 0;
}
