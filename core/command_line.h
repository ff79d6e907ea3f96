#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

// Command lines mean the same on every system: they follow the Windows rules
// for the parts Varnix writes. Runs of blanks (spaces or tabs) separate
// arguments; double quotes group blanks into one argument, and inside quotes
// a doubled quote stands for one quote. Nothing else is special: no
// backslash escapes, no variables, no shell.
std::vector<std::string> splitCommandLine(std::string_view line);

// `name` written so that the splitter reads it back as one argument equal to
// it: as it stands when it holds no blank and no double quote, otherwise in
// double quotes.
std::string asOneArgument(std::string_view name);

// `name` as it stands when it holds no blank, tab or double quote, the empty
// name included; otherwise as asOneArgument writes it.
std::string quotedWhereNeeded(std::string_view name);

// A command line taken apart into the program to run and its arguments.
struct ProgramStart {
    std::string program;              // the file to execute
    std::vector<std::string> argv;    // argv[0] is the program piece as written
};

// Finds the program the way the Windows process start finds it on a line
// whose program path may hold blanks unquoted: leading blanks are skipped; a
// program piece that opens with a double quote ends at the closing quote;
// otherwise the shortest prefix that ends before a blank (or at the end of
// the line) and names an executable file is the program, and the rest of
// the line its arguments. `findExecutable` turns a prefix into the file to
// run, or nothing. When no prefix names one, the first argument is the
// program and nothing is found: the result's `program` is empty. A line
// with no program piece at all gives nothing.
std::optional<ProgramStart> resolveCommandLine(
    std::string_view line, const std::function<std::optional<std::string>(const std::string&)>& findExecutable);

}  // namespace varnix
