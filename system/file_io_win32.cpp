#include "system/file_io.h"

#include "core/path_names.h"
#include "system/errno_failure.h"
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

HANDLE openForReading(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
std::string finalPath(HANDLE file, const std::string& path)
{
    std::string buffer(32768, '\0');
    const DWORD length = GetFinalPathNameByHandleA(file, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (length == 0 || length >= buffer.size())
        return path;
    buffer.resize(length);
    if (buffer.rfind("\\\\?\\UNC\\", 0) == 0)
        return "\\\\" + buffer.substr(8);
    if (buffer.rfind("\\\\?\\", 0) == 0)
        return buffer.substr(4);
    return buffer;
}

// Whether a replace that failed with `error` was refused because another
// program has the file open for a moment: a scanner, an indexer, a sync tool.
// A read-only file is refused for good.
bool heldByAnotherProgram(DWORD error, const std::string& target)
{
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION && error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = GetFileAttributesA(target.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ||
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// Renames `temporary` over `target`, waiting out another program that holds
// it for about two seconds, as Windows programs around us do.
void replaceWaitingForOthers(const char* temporary, const std::string& target)
{
    constexpr int kTries = 20;
    constexpr DWORD kWaitMilliseconds = 100;
    for (int tried = 1;; ++tried) {
        if (MoveFileExA(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return;
        const DWORD error = GetLastError();
        if (tried == kTries || !heldByAnotherProgram(error, target))
            throw windowsFailure(error, "cannot replace " + target);
        Sleep(kWaitMilliseconds);
    }
}

}  // namespace

std::string readFileStart(const std::string& path, std::size_t size)
{
    Handle file{openForReading(path)};
    if (!file.valid())
        failWindows("cannot read " + path);
    if (GetFileType(file.handle) != FILE_TYPE_DISK)
        throwErrno(path + " is not a regular file", EINVAL);
    return readPiece(file.handle, size, path);
}

void writeFileSafely(const std::string& path, std::string_view head)
{
    std::string target = path;
    Handle old{openForReading(path)};
    if (!old.valid()) {
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
    replaceWaitingForOthers(temporary, target);
    remover.keep = true;
}

}  // namespace varnix
