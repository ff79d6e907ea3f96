#include "core/command_line.h"

#include <algorithm>

namespace varnix {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t skipBlanks(std::string_view line, std::size_t at)
{
    while (at < line.size() && isBlank(line[at]))
        ++at;
    return at;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view line)
{
    std::vector<std::string> arguments;
    std::size_t at = skipBlanks(line, 0);
    while (at < line.size()) {
        std::string argument;
        bool quoted = false;
        for (; at < line.size() && (quoted || !isBlank(line[at])); ++at) {
            const char c = line[at];
            if (c != '"') {
                argument += c;
            } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                argument += '"';
                ++at;
            } else {
                quoted = !quoted;
            }
        }
        arguments.push_back(std::move(argument));
        at = skipBlanks(line, at);
    }
    return arguments;
}

std::string asOneArgument(std::string_view name)
{
    if (!name.empty() && name.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(name);
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

std::string quotedWhereNeeded(std::string_view name)
{
    return name.find_first_of(" \t\"") == std::string_view::npos ? std::string(name) : asOneArgument(name);
}

std::optional<ProgramStart> resolveCommandLine(
    std::string_view line, const std::function<std::optional<std::string>(const std::string&)>& findExecutable)
{
    const std::size_t start = skipBlanks(line, 0);
    if (start == line.size())
        return std::nullopt;

    if (line[start] == '"') {
        // A quoted program piece ends at the next quote, whatever follows.
        const auto close = line.find('"', start + 1);
        const auto end = close == std::string_view::npos ? line.size() : close;
        std::string piece(line.substr(start + 1, end - start - 1));
        ProgramStart result{findExecutable(piece).value_or(std::string()), {piece}};
        const auto rest = splitCommandLine(line.substr(std::min(end + 1, line.size())));
        result.argv.insert(result.argv.end(), rest.begin(), rest.end());
        return result;
    }

    for (std::size_t end = start + 1; end <= line.size(); ++end) {
        // A prefix ends where a run of blanks begins, or at the end of a line
        // that does not end in blanks; it never ends in a blank itself.
        if (isBlank(line[end - 1]) || (end < line.size() && !isBlank(line[end])))
            continue;
        std::string piece(line.substr(start, end - start));
        if (auto program = findExecutable(piece)) {
            ProgramStart result{std::move(*program), {std::move(piece)}};
            const auto rest = splitCommandLine(line.substr(end));
            result.argv.insert(result.argv.end(), rest.begin(), rest.end());
            return result;
        }
    }
    return ProgramStart{std::string(), splitCommandLine(line)};
}

}  // namespace varnix
