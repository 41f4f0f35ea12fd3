#include "text/core/LookupTableLoader.h"

#include "resources/core/Check.h"
#include "resources/core/RegularFile.h"

#include <cstdio>
#include <list>
#include <sstream>
#include <utility>

namespace {
constexpr size_t kLongestLine = 65535;

LookupTable* emptyTable(const std::string& filename) {
    auto* table = new LookupTable(0, 0, {}, {});
    table->m_filename = filename;
    return table;
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

LookupTable* parseLookupTable(const std::string& text, const std::string& filename) {
    // Lines end at '\n'; a last line without one counts, an empty end does not. A line that
    // holds a NUL character ends there.
    std::list<std::string> tempstorage;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        size_t length = (end == std::string::npos ? text.size() : end) - start;
        if (length > kLongestLine) {
            std::fprintf(stderr,
                         "%s, line %zu: longer than %zu characters; the table ends before it\n",
                         filename.c_str(), tempstorage.size() + 1, kLongestLine);
            break;
        }
        std::string line = text.substr(start, length);
        tempstorage.push_back(line.substr(0, line.find('\0')));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    if (tempstorage.empty()) {
        return emptyTable(filename);
    }
    const auto recordcount = static_cast<int32_t>(tempstorage.size() - 1);

    // A failed extraction leaves word as it was, which ends the header like a repeated word.
    std::istringstream testerstream(tempstorage.front());
    std::vector<std::string> tempheaderstorage;
    std::string word, lastword;
    testerstream >> word;
    while (!word.empty() && word != lastword) {
        tempheaderstorage.push_back(word);
        lastword = word;
        testerstream >> word;
    }
    const auto keycount = static_cast<int32_t>(tempheaderstorage.size());

    std::vector<std::vector<std::string>> values(
        static_cast<size_t>(keycount), std::vector<std::string>(static_cast<size_t>(recordcount)));
    size_t record = 0;
    for (auto line = std::next(tempstorage.begin()); line != tempstorage.end(); ++line, ++record) {
        std::istringstream recordstream(*line);
        std::string value;
        for (auto& column : values) {
            recordstream >> value; // unchanged when the line has no more words
            column[record] = value;
        }
    }

    auto* table =
        new LookupTable(keycount, recordcount, std::move(tempheaderstorage), std::move(values));
    table->m_filename = filename;
    return table;
}

LookupTable* loadLookupTable(std::string filename) {
    std::FILE* file = openRegularFile(filename.c_str());
    if (file == nullptr) {
        // The report reads as it always has, whatever the reading is done with.
        reportCheckFailure("indata.is_open() && \"file not found\"", __FILE_NAME__, __LINE__);
        return emptyTable(filename);
    }
    return parseLookupTable(readAll(file), filename);
}
