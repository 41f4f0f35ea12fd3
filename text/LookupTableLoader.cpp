#include "text/LookupTableLoader.h"

#include "resources/Check.h"

#include <fstream>
#include <list>
#include <memory>
#include <sstream>
#include <utility>

namespace {
constexpr std::streamsize kLineBuffer = 65536; // a line of up to 65,535 characters and its end

LookupTable* emptyTable(const std::string& filename) {
    auto* table = new LookupTable(0, 0, {}, {});
    table->m_filename = filename;
    return table;
}
} // namespace

LookupTable* loadLookupTable(std::string filename) {
    std::ifstream indata(filename);
    if (!INTRO_CHECK(indata.is_open() && "file not found")) {
        return emptyTable(filename);
    }

    std::list<std::string> tempstorage;
    std::unique_ptr<char[]> dataline(new char[kLineBuffer]);
    // getline fails at the end of the file before any character, and on a line too long for the
    // buffer; either ends the reading.
    while (indata.getline(dataline.get(), kLineBuffer)) {
        tempstorage.emplace_back(dataline.get());
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
