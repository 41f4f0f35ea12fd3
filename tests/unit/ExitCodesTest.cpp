#include "TestFiles.h"

#include "rules/ExitCodes.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <tuple>

namespace {

using Row = std::tuple<int, std::string, std::string>; // code, the intro's, the capture's

std::vector<Row> tableRows() {
    std::vector<Row> rows;
#define INTRO_EXIT_ROW(name, code, intro, capture) rows.emplace_back(code, intro, capture);
    INTRO_EXIT_CODES(INTRO_EXIT_ROW)
#undef INTRO_EXIT_ROW
    return rows;
}

// The codes a manual page's EXIT STATUS lists: the word after each .TP.
std::vector<int> manualCodes(const std::string& page) {
    std::istringstream text(readFile(page));
    std::vector<int> codes;
    bool inSection = false, tagNext = false;
    for (std::string line; std::getline(text, line);) {
        if (line.rfind(".SH", 0) == 0) {
            inSection = line == ".SH EXIT STATUS";
        } else if (inSection && tagNext) {
            codes.push_back(std::stoi(line.substr(line.find(' ') + 1)));
        }
        tagNext = inSection && line == ".TP";
    }
    return codes;
}

// The README's table and both manual pages say what the table says; the programs' --help prints
// the table itself.
TEST(ExitCodes, TheManualPagesAndTheReadmeFollowTheTable) {
    const std::vector<Row> rows = tableRows();
    for (const bool intro : {true, false}) {
        std::vector<int> codes;
        for (const auto& [code, introMeaning, captureMeaning] : rows) {
            if (!(intro ? introMeaning : captureMeaning).empty()) {
                codes.push_back(code);
            }
        }
        const std::string page = intro ? "afterglow.6" : "afterglow-capture.6";
        EXPECT_EQ(manualCodes(INTRO_SOURCE_DIR "/packaging/" + page), codes) << page;
    }
    std::string readme = readFile(INTRO_SOURCE_DIR "/README.md");
    readme = readme.substr(readme.find("| Exit code |"));
    readme = readme.substr(0, readme.find("\n\n"));
    const std::regex row(R"(\n\| (\d+) \| ([^|]*?) ?\| ([^|]*?) ?\|)");
    std::vector<Row> readmeRows;
    for (std::sregex_iterator it(readme.begin(), readme.end(), row), end; it != end; ++it) {
        readmeRows.emplace_back(std::stoi((*it)[1]), (*it)[2], (*it)[3]);
    }
    EXPECT_EQ(readmeRows, rows);
}

} // namespace
