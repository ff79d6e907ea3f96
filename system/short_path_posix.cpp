#include "system/short_path.h"

#include "core/command_line.h"

#include <sys/stat.h>

namespace varnix {

std::string ShortPath(std::string path)
{
    struct stat status {};
    if (path.empty() || path.find('\0') != std::string::npos || stat(path.c_str(), &status) != 0)
        return {};
    return asOneArgument(path);
}

}  // namespace varnix
