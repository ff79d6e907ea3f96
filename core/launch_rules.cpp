#include "core/launch_rules.h"

#include "core/fixed_field.h"
#include "core/path_names.h"

namespace varnix {

void romDirectoryStep(std::string& romDirectory)
{
    const auto trimmed = withoutTrailingBlanks(romDirectory);
    if (!trimmed.empty() && isPathSeparator(trimmed.back()) && !isRootDirectory(trimmed))
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
    constexpr std::size_t kSearched = 29;  // from the end; not 30, not the whole path
    const std::size_t first = path.size() > kSearched ? path.size() - kSearched : 0;
    for (std::size_t i = path.size(); i > first; --i) {
        if (isPathSeparator(path[i - 1]))
            return path.substr(i);
    }
    return path;
}

std::string composeCommandLine(std::string_view executable, std::string_view first, std::string_view second)
{
    std::string line;
    line.reserve(executable.size() + first.size() + second.size() + 2);
    line.append(executable).append(1, ' ').append(first).append(1, ' ').append(second);
    return line;
}

}  // namespace varnix
