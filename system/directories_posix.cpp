#include "system/directories.h"

#include "core/fixed_field.h"
#include "core/path_names.h"
#include "system/errno_failure.h"

#include <cerrno>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace varnix {

std::string programDirectory()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const auto length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            throw errnoFailure(errno, "cannot find the program's directory");
        if (static_cast<std::size_t>(length) < buffer.size())
            return parentDirectory(std::string(buffer.data(), static_cast<std::size_t>(length)));
        buffer.resize(buffer.size() * 2);
    }
}

std::string currentDirectory()
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            throw errnoFailure(errno, "cannot read the current directory");
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

void changeDirectory(const std::string& directory)
{
    const auto name = withoutTrailingBlanks(directory);
    if (chdir(name.c_str()) != 0)
        throw errnoFailure(errno, "cannot change to " + name);
}

bool isDirectory(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace varnix
