#include "config/safe_write.h"

#include "launch/path_names.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include "launch/windows_error.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnix {
namespace {

#ifndef _WIN32
std::string describe(const std::string& what, int error)
{
    return what + ": " + std::generic_category().message(error);
}
#endif

}  // namespace

#ifdef _WIN32

std::string writeFileSafely(const std::string& path, std::string_view content)
{
    const auto describe = [&](const std::string& what) { return what + ": " + windowsErrorText(GetLastError()); };
    char temporary[MAX_PATH];
    if (GetTempFileNameA(parentDirectory(path).c_str(), "vnx", 0, temporary) == 0)
        return describe("cannot create a temporary file beside " + path);
    const auto failed = [&](const std::string& what) {
        const auto text = describe(what);
        DeleteFileA(temporary);
        return text;
    };
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return failed("cannot create a temporary file beside " + path);
    DWORD written = 0;
    const bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                    written == content.size() && FlushFileBuffers(file);
    if (!CloseHandle(file) || !ok)
        return failed(std::string("cannot write ") + temporary);
    if (!MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return failed("cannot replace " + path);
    return {};
}

#else

std::string writeFileSafely(const std::string& path, std::string_view content)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return describe("cannot create a temporary file beside " + path, errno);

    const auto failed = [&](const std::string& what, int error, bool open) {
        if (open)
            close(fd);
        unlink(temporary.c_str());
        return describe(what, error);
    };

    // mkstemp makes the file private; give it the old file's permissions, or
    // the usual ones for a new file.
    struct stat old {};
    mode_t mode = 0;
    if (stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(fd, mode) != 0)
        return failed("cannot set the permissions of " + temporary, errno, true);

    std::size_t done = 0;
    while (done < content.size()) {
        const auto n = write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed("cannot write " + temporary, errno, true);
        }
        done += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0)
        return failed("cannot write " + temporary, errno, true);
    if (close(fd) != 0)
        return failed("cannot write " + temporary, errno, false);
    if (rename(temporary.c_str(), path.c_str()) != 0)
        return failed("cannot replace " + path, errno, false);

    // Make the rename itself durable; a failure here loses nothing written.
    const int dir = open(parentDirectory(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return {};
}

#endif

}  // namespace varnix
