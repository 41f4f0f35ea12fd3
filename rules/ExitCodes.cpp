#include "rules/ExitCodes.h"

#include <sstream>

std::string exitCodesText(ExitCodeProgram program) {
    std::string text = "Exit codes:\n";
    auto add = [&](int code, const char* meaning) {
        if (*meaning == '\0') {
            return;
        }
        std::string line = "  " + std::to_string(code);
        line.resize(7, ' ');
        std::istringstream words(meaning);
        for (std::string word; words >> word;) {
            if (line.size() + 1 + word.size() > 79 && line.find_first_not_of(' ') != line.size()) {
                text += line + "\n";
                line = std::string(7, ' ');
            }
            line += (line.back() == ' ' ? "" : " ") + word;
        }
        text += line + "\n";
    };
#define INTRO_EXIT_LINE(name, code, intro, capture)                                                \
    add(code, program == ExitCodeProgram::Intro ? intro : capture);
    INTRO_EXIT_CODES(INTRO_EXIT_LINE)
#undef INTRO_EXIT_LINE
    return text;
}
