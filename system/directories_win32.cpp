#include "system/directories.h"

#include "core/fixed_field.h"
#include "core/path_names.h"
#include "system/ansi_text.h"
#include "system/errno_failure.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <direct.h>
#include <windows.h>

namespace varnix {

std::string programDirectory()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            throw errnoFailure(EIO, "cannot find the program's directory");
        if (length < buffer.size())
            return parentDirectory(ansiPath(std::wstring(buffer.data(), length)));
        buffer.resize(buffer.size() * 2);
    }
}

std::string currentDirectory()
{
    wchar_t* cwd = _wgetcwd(nullptr, 0);
    if (!cwd)
        throw errnoFailure(errno, "cannot read the current directory");
    const std::wstring wide(cwd);
    free(cwd);
    return ansiPath(wide);
}

bool isDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(wideFromAnsi(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void changeDirectory(const std::string& directory)
{
    const auto name = withoutTrailingBlanks(directory);
    if (name.size() >= 2 && name[1] == ':') {
        const int drive = (name[0] | 0x20) - 'a' + 1;
        if (drive < 1 || drive > 26 || _chdrive(drive) != 0)
            throw errnoFailure(ENOENT, "cannot change to drive " + name.substr(0, 2));
    }
    if (_chdir(name.c_str()) != 0)
        throw errnoFailure(errno, "cannot change to " + name);
}

}  // namespace varnix
