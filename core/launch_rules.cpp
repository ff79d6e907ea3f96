#include "core/launch_rules.h"

#include "core/characters.h"
#include "core/fixed_field.h"
#include "core/path_names.h"

namespace varnix {

void romDirectoryStep(std::string& romDirectory)
{
    const auto trimmed = withoutTrailingBlanks(romDirectory);
    if (endsWithSeparator(trimmed) && !isRootDirectory(trimmed))
        romDirectory = trimmed.substr(0, trimmed.size() - 1);
}

std::string gameNameFromZip(std::string_view fileName)
{
    const auto examined = fileName.substr(0, fileName.empty() ? 0 : fileName.size() - 1);
    const auto dot = examined.find('.');
    if (dot != std::string_view::npos)
        return std::string(fileName.substr(0, dot));
    return withoutTrailingBlanks(fileName);
}

std::string gameDirectoryName(std::string_view listPath)
{
    const auto path = withoutTrailingBlanks(listPath);
    // The last separator counts when it is among the last 29 characters (not
    // 30, not the whole path), that is, when at most 28 follow it.
    constexpr std::size_t kFollowing = 28;
    const auto separator = findLastSeparator(path);
    if (separator == std::string::npos)
        return path;
    std::size_t following = 0;
    for (auto at = separator + 1; at < path.size() && following <= kFollowing; at = nextCharacter(path, at))
        ++following;
    return following <= kFollowing ? path.substr(separator + 1) : path;
}

std::string composeCommandLine(std::string_view executable, std::string_view first, std::string_view second)
{
    std::string line;
    line.reserve(executable.size() + first.size() + second.size() + 2);
    line.append(executable).append(1, ' ').append(first).append(1, ' ').append(second);
    return line;
}

}  // namespace varnix
