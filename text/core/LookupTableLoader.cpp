#include "text/core/LookupTableLoader.h"

#include "resources/core/Check.h"
#include "resources/core/RegularFile.h"

#include <cstdio>
#include <list>
#include <sstream>
#include <utility>

namespace {
constexpr size_t kLongestLine = 65535;

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
    // holds a NUL character ends there.
    std::list<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t length = (end == std::string::npos ? text.size() : end) - start;
        if (length > kLongestLine) {
            std::fprintf(stderr,
                         "%s, line %zu: longer than %zu characters; the table ends before it\n",
                         filename.c_str(), lines.size() + 1, kLongestLine);
            break;
        }
        std::string line = text.substr(start, length);
        lines.push_back(line.substr(0, line.find('\0')));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    if (lines.empty()) {
        return emptyTable();
    }
    const auto recordCount = static_cast<int32_t>(lines.size() - 1);

    // A failed extraction leaves word as it was, which ends the header like a repeated word.
    std::istringstream headerStream(lines.front());
    std::vector<std::string> keys;
    std::string word, lastWord;
    headerStream >> word;
    while (!word.empty() && word != lastWord) {
        keys.push_back(word);
        lastWord = word;
        headerStream >> word;
    }
    const auto keyCount = static_cast<int32_t>(keys.size());

    std::vector<std::vector<std::string>> values(
        static_cast<size_t>(keyCount), std::vector<std::string>(static_cast<size_t>(recordCount)));
    size_t record = 0;
    for (auto line = std::next(lines.begin()); line != lines.end(); ++line, ++record) {
        std::istringstream recordStream(*line);
        std::string value;
        for (auto& column : values) {
            recordStream >> value; // unchanged when the line has no more words
            column[record] = value;
        }
    }

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
