#include "launch/platform.h"

#include "config/fixed_field.h"
#include "launch/process_start.h"
#include "launch/short_path.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace varnix {
namespace {

[[noreturn]] void throwError(int error, const std::string& what)
{
    throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

#ifdef _WIN32

std::string SystemPlatform::programDirectory() const
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            throwError(EIO, "cannot find the program's directory");
        if (length < buffer.size())
            return parentDirectory(std::string(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemPlatform::currentDirectory() const
{
    char* cwd = _getcwd(nullptr, 0);
    if (!cwd)
        throwError(errno, "cannot read the current directory");
    std::string result(cwd);
    free(cwd);
    return result;
}

void SystemPlatform::changeDirectory(const std::string& directory)
{
    const auto name = withoutTrailingBlanks(directory);
    if (name.size() >= 2 && name[1] == ':') {
        const int drive = (name[0] | 0x20) - 'a' + 1;
        if (drive < 1 || drive > 26 || _chdrive(drive) != 0)
            throwError(ENOENT, "cannot change to drive " + name.substr(0, 2));
    }
    if (_chdir(name.c_str()) != 0)
        throwError(errno, "cannot change to " + name);
}

#else

std::string SystemPlatform::programDirectory() const
{
    std::vector<char> buffer(4096);
    for (;;) {
        const auto length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            throwError(errno, "cannot find the program's directory");
        if (static_cast<std::size_t>(length) < buffer.size())
            return parentDirectory(std::string(buffer.data(), static_cast<std::size_t>(length)));
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemPlatform::currentDirectory() const
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            throwError(errno, "cannot read the current directory");
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

void SystemPlatform::changeDirectory(const std::string& directory)
{
    const auto name = withoutTrailingBlanks(directory);
    if (chdir(name.c_str()) != 0)
        throwError(errno, "cannot change to " + name);
}

#endif

std::string SystemPlatform::shortPath(const std::string& path) const
{
    return ShortPath(path);
}

void SystemPlatform::startCommandLine(const std::string& line)
{
    varnix::startCommandLine(line);
}

}  // namespace varnix
