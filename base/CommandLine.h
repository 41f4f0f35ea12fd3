/// @file
/// CommandLine: a program's command line read from a table of its options, by one set of rules
/// that every program here keeps; the values options take, read strictly (a whole decimal number
/// within bounds, a size as WIDTHxHEIGHT); the name a program calls itself by, and the printing
/// of its usage.
///
/// ```
/// using namespace afterglow;
/// const std::vector<OptionSpec> table = {{"--size", OptionValue::Required}};
/// CommandLine line;
/// std::string error;
/// if (!readCommandLine({argv + 1, argv + argc}, table, 1, line, error)) { ... usage, exit 2 }
/// if (line.help) { ... usage, exit 0 }
/// for (const GivenOption& option : line.options) { ... option.name, option.value }
/// ```
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace afterglow {

/// Whether an option takes a value: none ("--dev"), one ("--start MS" or "--start=MS"), or one
/// that may be left out ("--window" or "--window=WxH", only in the second form).
enum class OptionValue { None, Required, Optional };

/// One option of a program's table.
struct OptionSpec {
    std::string name; ///< "--start"
    OptionValue takes;
};

/// An option as given, in the order given.
struct GivenOption {
    std::string name;
    std::optional<std::string> value;
};

/// A command line as read.
struct CommandLine {
    bool help = false; ///< --help or -h was given: nothing else was read
    std::vector<GivenOption> options;
    std::vector<std::string> operands; ///< the arguments that are not options
};

/// Reads the arguments (without the program's name). --help or -h anywhere asks for the usage
/// and nothing else is read; "--" ends the options, so that what follows is an operand even when
/// it begins with "-"; "-" alone is an operand. An option given twice, one not in the table, a
/// missing value, a value given to an option that takes none and more than mostOperands operands
/// are refused, with one line in error that names the argument.
bool readCommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& table,
                     size_t mostOperands, CommandLine& read, std::string& error);

bool parseWholeNumber(const std::string& text, uint64_t low, uint64_t high, uint64_t& value);

// Both sides from low to high.
bool parseSize(const std::string& text, uint64_t low, uint64_t high, int& width, int& height);

// The name the program was started by (argv[0], possibly null), without its folder: what it
// calls itself in messages; fallback when there is none.
std::string programName(const char* argv0, const std::string& fallback);

// Writes text to standard output in full; false when it could not (a closed pipe, a full disk).
bool printAll(const std::string& text);

} // namespace afterglow
