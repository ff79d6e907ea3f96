#include "system/file_io.h"

#include "core/path_names.h"
#include "system/errno_failure.h"
#include "system/newer_calls.h"
#include "system/windows_error.h"

#include <cerrno>
#include <random>
#include <utility>
#include <vector>

#include <windows.h>

namespace varnix {
namespace {

struct Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~Handle() { close(); }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    BOOL close()
    {
        const BOOL closed = valid() ? CloseHandle(handle) : TRUE;
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }
};

[[noreturn]] void failWindows(const std::string& what)
{
    throw windowsFailure(GetLastError(), what);
}

// Opens `path` for reading into `file`, sharing everything: whether it did.
bool opened(Handle& file, const std::string& path)
{
    file.handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file.valid();
}

// Reads up to `size` bytes, fewer at the end of the file.
std::string readPiece(HANDLE file, std::size_t size, const std::string& path)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(size - done), &got, nullptr))
            failWindows("cannot read " + path);
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

void writeAll(HANDLE file, std::string_view bytes, const std::string& path)
{
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        failWindows("cannot write " + path);
}

// The file a link leads to, without the "\\?\" that the system puts before it.
// XP has no links to files (only junctions, to folders): the path is the file.
std::string finalPath(HANDLE file, const std::string& path)
{
    const auto getFinalPathName = newerKernelCalls().getFinalPathNameByHandleA;
    if (!getFinalPathName)
        return path;
    std::string buffer(32768, '\0');
    const DWORD length = getFinalPathName(file, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (length == 0 || length >= buffer.size())
        return path;
    buffer.resize(length);
    if (buffer.rfind("\\\\?\\UNC\\", 0) == 0)
        return "\\\\" + buffer.substr(8);
    if (buffer.rfind("\\\\?\\", 0) == 0)
        return buffer.substr(4);
    return buffer;
}

// Whether opening for reading failed because another program holds the file
// for a moment, sharing no reading. A file that is not there, a directory or
// one the user may not read is refused for good.
bool heldAgainstReading(DWORD error, const std::string&)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Whether a replace that failed with `error` was refused because another
// program has the file open for a moment. A read-only file is refused for good.
bool heldAgainstReplacing(DWORD error, const std::string& target)
{
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION && error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesA(target.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ||
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// Runs `attempt` until it succeeds, trying again with short waits for about
// two seconds while `held` says that another program (a scanner, an indexer, a
// sync tool) holds `target` for a moment, as Windows programs around us do.
// False, with the system's last error, when it never succeeds.
template <class Attempt>
bool waitingOutOtherPrograms(const std::string& target, bool (*held)(DWORD, const std::string&), Attempt attempt)
{
    constexpr int kTries = 20;
    constexpr DWORD kWaitMilliseconds = 100;
    for (int tried = 1;; ++tried) {
        if (attempt())
            return true;
        const DWORD error = GetLastError();
        if (tried == kTries || !held(error, target)) {
            SetLastError(error);
            return false;
        }
        Sleep(kWaitMilliseconds);
    }
}

}  // namespace

std::optional<std::string> readFileStart(const std::string& path, std::size_t size)
{
    Handle file;
    if (!waitingOutOtherPrograms(path, heldAgainstReading, [&] { return opened(file, path); })) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND)
            return std::nullopt;
        failWindows("cannot read " + path);
    }
    if (GetFileType(file.handle) != FILE_TYPE_DISK)
        throwErrno(path + " is not a regular file", EINVAL);
    return readPiece(file.handle, size, path);
}

void writeFileSafely(const std::string& path, std::string_view head)
{
    std::string target = path;
    Handle old;
    if (!waitingOutOtherPrograms(path, heldAgainstReading, [&] { return opened(old, path); })) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            failWindows("cannot read " + path);
    } else {
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileType(old.handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(old.handle, &info))
            throwErrno(path + " is not a regular file", EINVAL);
        if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            throwErrno(path + " is read-only", EACCES);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            target = finalPath(old.handle, path);  // the link stays; its target is written
    }

    char temporary[MAX_PATH];
    if (GetTempFileNameA(parentDirectory(target).c_str(), "vnx", 0, temporary) == 0)
        failWindows("cannot create a temporary file beside " + target);
    struct Remover {
        const char* name;
        bool keep = false;
        ~Remover()
        {
            if (!keep)
                DeleteFileA(name);
        }
    } remover{temporary};
    Handle file{CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file.valid())
        failWindows("cannot create a temporary file beside " + target);
    writeAll(file.handle, head, temporary);
    LARGE_INTEGER offset{};
    offset.QuadPart = static_cast<LONGLONG>(head.size());
    if (old.valid() && SetFilePointerEx(old.handle, offset, nullptr, FILE_BEGIN)) {
        for (;;) {
            const auto piece = readPiece(old.handle, kCopyPiece, path);
            if (piece.empty())
                break;
            writeAll(file.handle, piece, temporary);
        }
    }
    if (!FlushFileBuffers(file.handle) || !file.close())
        failWindows(std::string("cannot write ") + temporary);
    old.close();
    if (!waitingOutOtherPrograms(target, heldAgainstReplacing, [&] {
            return MoveFileExA(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        }))
        failWindows("cannot replace " + target);
    remover.keep = true;
}

}  // namespace varnix
