#include "launch/path_names.h"

namespace varnix {

std::string pathInDirectory(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
#ifdef _WIN32
    if (directory.back() == '\\' || directory.back() == '/')  // Windows takes both
#else
    if (directory.back() == kPathSeparator)
#endif
        return directory + name;
    return directory + kPathSeparator + name;
}

std::string parentDirectory(const std::string& path)
{
#ifdef _WIN32
    const auto slash = path.find_last_of("\\/");  // Windows takes both
#else
    const auto slash = path.find_last_of('/');
#endif
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

}  // namespace varnix
