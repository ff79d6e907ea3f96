#include "core/path_names.h"

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
            while (end < path.size() && !isPathSeparator(path[end]))
                ++end;
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
    if (isPathSeparator(directory.back()))
        return directory + name;
    return directory + kPathSeparator + name;
}

std::string parentDirectory(const std::string& path)
{
    const auto slash = path.find_last_of(kWindowsPaths ? "\\/" : "/");
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
    if (!chain.root.empty() && !isPathSeparator(chain.root.back()))
        chain.root += kPathSeparator;  // "\\server\share" alone
    std::size_t at = rootEnd;
    while (at < path.size()) {
        auto end = at;
        while (end < path.size() && !isPathSeparator(path[end]))
            ++end;
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
