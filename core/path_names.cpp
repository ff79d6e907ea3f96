#include "core/path_names.h"

#include "core/characters.h"

#include <algorithm>

namespace varnix {
namespace {

bool hasDrive(std::string_view path)
{
    return kWindowsPaths && path.size() >= 2 && path[1] == ':';
}

// The length of `path`'s root, 0 for a relative path.
std::size_t rootLength(std::string_view path)
{
    if (kWindowsPaths && path.size() >= 2 && isPathSeparator(path[0]) && isPathSeparator(path[1])) {
        // A share: "\\server\share\" is its root.
        std::size_t end = 2;
        for (int part = 0; part < 2; ++part) {
            end = std::min(findSeparator(path, end), path.size());
            if (part == 0 && end < path.size())
                ++end;
        }
        return end;
    }
    if (hasDrive(path))
        return path.size() >= 3 && isPathSeparator(path[2]) ? 3 : 0;
    return !path.empty() && isPathSeparator(path[0]) ? 1 : 0;
}

}  // namespace

bool isPathSeparator(char c)
{
    return c == kPathSeparator || (kWindowsPaths && c == '/');  // Windows takes both
}

std::size_t findSeparator(std::string_view path, std::size_t from)
{
    for (std::size_t at = from; at < path.size(); at = nextCharacter(path, at)) {
        if (isPathSeparator(path[at]))
            return at;
    }
    return std::string_view::npos;
}

std::size_t findLastSeparator(std::string_view path)
{
    std::size_t last = std::string_view::npos;
    for (auto at = findSeparator(path); at != std::string_view::npos; at = findSeparator(path, at + 1))
        last = at;
    return last;
}

bool endsWithSeparator(std::string_view path)
{
    return !path.empty() && findLastSeparator(path) == path.size() - 1;
}

bool isHeldName(std::string_view name)
{
    // "?" is ASCII and never the second byte of a character.
    return !kWindowsPaths || name.find('?') == std::string_view::npos;
}

bool isRootDirectory(std::string_view name)
{
    // On Windows "\" alone or a drive's root: without its separator "C:"
    // would name the drive's current directory instead.
    return !name.empty() && rootLength(name) == name.size() && (name.size() == 1 || hasDrive(name));
}

std::vector<std::string> splitSearchPath(std::string_view searchPath)
{
    constexpr char kListSeparator = kWindowsPaths ? ';' : ':';
    std::vector<std::string> directories;
    for (std::size_t from = 0; from <= searchPath.size();) {
        const auto end = std::min(searchPath.find(kListSeparator, from), searchPath.size());
        if (end > from)
            directories.emplace_back(searchPath.substr(from, end - from));
        from = end + 1;
    }
    return directories;
}

std::string pathInDirectory(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    if (endsWithSeparator(directory))
        return directory + name;
    return directory + kPathSeparator + name;
}

std::string parentDirectory(const std::string& path)
{
    const auto slash = findLastSeparator(path);
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string resolvePath(const std::string& base, const std::string& path)
{
    if (path.empty() || base.empty())
        return path;
    if (hasDrive(path))  // "C:\roms", or "C:roms", which keeps its own meaning
        return path;
    if (isPathSeparator(path[0]))  // on Windows "\roms" takes the base's drive; "\\server\share" does not
        return rootLength(path) > 1 || !hasDrive(base) ? path : base.substr(0, 2) + path;
    return pathInDirectory(base, path);
}

PathChain splitAbsolutePath(std::string_view path)
{
    const auto rootEnd = rootLength(path);
    PathChain chain{std::string(path.substr(0, rootEnd)), {}};
    for (auto& c : chain.root) {
        if (isPathSeparator(c))
            c = kPathSeparator;
    }
    if (!chain.root.empty() && !endsWithSeparator(chain.root))
        chain.root += kPathSeparator;  // "\\server\share" alone
    std::size_t at = rootEnd;
    while (at < path.size()) {
        const auto end = std::min(findSeparator(path, at), path.size());
        const auto name = path.substr(at, end - at);
        if (name == "..") {
            if (!chain.names.empty())
                chain.names.pop_back();
        } else if (!name.empty() && name != ".") {
            chain.names.emplace_back(name);
        }
        at = end + 1;
    }
    return chain;
}

std::string PathChain::pathOf(std::size_t count) const
{
    std::string path = root;
    for (std::size_t i = 0; i < count && i < names.size(); ++i)
        path = i == 0 ? path + names[i] : path + kPathSeparator + names[i];
    return path;
}

}  // namespace varnix
