#include "base/CommandLine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace afterglow {

bool readCommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& table,
                     size_t mostOperands, CommandLine& read, std::string& error) {
    read = CommandLine();
    const auto end = std::find(args.begin(), args.end(), "--");
    read.help = std::any_of(args.begin(), end,
                            [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
    if (read.help) {
        return true;
    }
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (arg == end) {
            read.operands.insert(read.operands.end(), end + 1, args.end());
            break;
        }
        if (arg->size() < 2 || (*arg)[0] != '-') {
            read.operands.push_back(*arg);
            continue;
        }
        const size_t equals = arg->find('=');
        GivenOption given{arg->substr(0, equals), std::nullopt};
        if (equals != std::string::npos) {
            given.value = arg->substr(equals + 1);
        }
        const auto known = std::find_if(table.begin(), table.end(), [&](const OptionSpec& option) {
            return option.name == given.name;
        });
        if (known == table.end()) {
            error = given.name == "--help" ? "option --help takes no value"
                                           : "unknown option '" + *arg + "'";
            return false;
        }
        if (std::any_of(read.options.begin(), read.options.end(),
                        [&](const GivenOption& option) { return option.name == given.name; })) {
            error = "option " + given.name + " given twice";
            return false;
        }
        if (known->takes == OptionValue::None && given.value) {
            error = "option " + given.name + " takes no value";
            return false;
        }
        if (known->takes == OptionValue::Required && !given.value) {
            if (arg + 1 == end || arg + 1 == args.end()) {
                error = "option " + given.name + " needs a value";
                return false;
            }
            given.value = *++arg;
        }
        read.options.push_back(std::move(given));
    }
    if (read.operands.size() > mostOperands) {
        error = "unexpected argument '" + read.operands[mostOperands] + "'";
        return false;
    }
    return true;
}

bool parseWholeNumber(const std::string& text, uint64_t low, uint64_t high, uint64_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    // Leading zeros change nothing; more than 19 digits left would overflow the arithmetic.
    const size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
    if (text.size() - first > 19) {
        return false;
    }
    value = std::strtoull(text.c_str() + first, nullptr, 10);
    return value >= low && value <= high;
}

bool parseSize(const std::string& text, uint64_t low, uint64_t high, int& width, int& height) {
    const size_t x = text.find('x');
    uint64_t w = 0, h = 0;
    if (x == std::string::npos || !parseWholeNumber(text.substr(0, x), low, high, w) ||
        !parseWholeNumber(text.substr(x + 1), low, high, h)) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

std::string programName(const char* argv0, const std::string& fallback) {
    const std::string path = argv0 != nullptr ? argv0 : "";
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.empty() ? fallback : name;
}

bool printAll(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

} // namespace afterglow
