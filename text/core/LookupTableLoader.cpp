#include "text/core/LookupTableLoader.h"

#include "base/Check.h"
#include "base/RegularFile.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>

namespace {
constexpr size_t kLongestLine = 65535;
constexpr size_t kMostValues = size_t{1} << 20;
constexpr size_t kMostValueBytes = size_t{64} << 20;

std::unique_ptr<LookupTable> emptyTable() {
    return std::make_unique<LookupTable>(0, 0, std::vector<std::string>(),
                                         std::vector<std::vector<std::string>>());
}

// The whole content of an open file, which it closes.
std::string readAll(std::FILE* file) {
    std::string text;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, got);
    }
    std::fclose(file);
    return text;
}
} // namespace

std::unique_ptr<LookupTable> parseLookupTable(const std::string& text,
                                              const std::string& filename) {
    // Lines end at '\n'; a last line without one counts, an empty end does not. A line that
    // holds a NUL character ends there. The first line names the keys, every later one is a
    // record.
    std::vector<std::string> keys;
    std::vector<std::vector<std::string>> values; // [key][record]
    int32_t recordCount = 0;
    size_t lineNumber = 0, valueBytes = 0, start = 0;
    auto endTable = [&](const std::string& why) {
        std::fprintf(stderr, "%s, line %zu: %s; the table ends before it\n", filename.c_str(),
                     lineNumber, why.c_str());
    };
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const size_t length = (end == std::string::npos ? text.size() : end) - start;
        ++lineNumber;
        if (length > kLongestLine) {
            endTable("longer than " + std::to_string(kLongestLine) + " characters");
            break;
        }
        std::string line = text.substr(start, length);
        line.resize(std::min(line.find('\0'), line.size()));
        start = end == std::string::npos ? text.size() : end + 1;
        if (lineNumber == 1) {
            // A failed extraction leaves word as it was, which ends the header like a repeated
            // word.
            std::istringstream headerStream(line);
            std::string word, lastWord;
            headerStream >> word;
            while (!word.empty() && word != lastWord) {
                keys.push_back(word);
                lastWord = word;
                headerStream >> word;
            }
            values.resize(keys.size());
            continue;
        }
        std::istringstream recordStream(line);
        std::vector<std::string> record;
        std::string value;
        size_t recordBytes = 0;
        for (size_t k = 0; k < keys.size(); ++k) {
            recordStream >> value; // unchanged when the line has no more words
            record.push_back(value);
            recordBytes += value.size();
        }
        // Every record holds a value for every key, so a long table of many keys grows fast:
        // it is bounded, as a line is.
        if ((static_cast<size_t>(recordCount) + 1) * keys.size() > kMostValues ||
            valueBytes + recordBytes > kMostValueBytes) {
            endTable("more than " + std::to_string(kMostValues) + " values or " +
                     std::to_string(kMostValueBytes >> 20) + " MiB of them");
            break;
        }
        for (size_t k = 0; k < keys.size(); ++k) {
            values[k].push_back(std::move(record[k]));
        }
        valueBytes += recordBytes;
        ++recordCount;
    }
    if (lineNumber == 0) {
        return emptyTable();
    }
    const auto keyCount = static_cast<int32_t>(keys.size());
    return std::make_unique<LookupTable>(keyCount, recordCount, std::move(keys), std::move(values));
}

std::unique_ptr<LookupTable> loadLookupTable(const std::string& filename) {
    std::FILE* file = openRegularFile(filename.c_str());
    if (file == nullptr) {
        // The report reads as it always has, whatever the reading is done with.
        reportCheckFailure("indata.is_open() && \"file not found\"", __FILE_NAME__, __LINE__);
        return emptyTable();
    }
    return parseLookupTable(readAll(file), filename);
}
