#include "config/file_io.h"

#include "launch/path_names.h"

#include <cerrno>
#include <random>
#include <utility>
#include <system_error>
#include <vector>

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

constexpr std::size_t kCopyPiece = 64 * 1024;

[[noreturn]] void fail(const std::string& what, int error)
{
    throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

#ifdef _WIN32

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
    throw windowsError(GetLastError(), what);
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

}  // namespace

std::string readFileStart(const std::string& path, std::size_t size)
{
    Handle file{openForReading(path)};
    if (!file.valid())
        failWindows("cannot read " + path);
    if (GetFileType(file.handle) != FILE_TYPE_DISK)
        fail(path + " is not a regular file", EINVAL);
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
            fail(path + " is not a regular file", EINVAL);
        if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            fail(path + " is read-only", EACCES);
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
    if (!MoveFileExA(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failWindows("cannot replace " + target);
    remover.keep = true;
}

#else

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// The file a save writes: `path`, or the file its symbolic links lead to.
std::string linkTarget(const std::string& path)
{
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        std::vector<char> buffer(4096);
        const auto length = readlink(target.c_str(), buffer.data(), buffer.size());
        if (length < 0 || static_cast<std::size_t>(length) == buffer.size())
            fail("cannot follow the link " + target, length < 0 ? errno : ENAMETOOLONG);
        const std::string next(buffer.data(), static_cast<std::size_t>(length));
        target = resolvePath(parentDirectory(target), next);  // relative to the link's folder
    }
    fail("cannot follow the links of " + path, ELOOP);
}

// Opens the regular file at `path` for reading without ever blocking, or
// gives -1 with errno set (EINVAL for a file of another kind).
int openRegular(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return -1;
    if (!S_ISREG(info.st_mode)) {  // a FIFO would block, a device may act
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {  // replaced meanwhile
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

void writeAll(int fd, std::string_view bytes, const std::string& path)
{
    while (!bytes.empty()) {
        const auto n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot write " + path, errno);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Reads up to `size` bytes from `offset`, fewer at the end of the file.
std::string readPiece(int fd, std::size_t size, off_t offset, const std::string& path)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const auto n = pread(fd, bytes.data() + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot read " + path, errno);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

// A new file beside `target`, created with the usual permissions of a new
// file (the umask applies without being changed), and removed again unless
// kept.
struct TemporaryFile {
    std::string name;
    Descriptor file;
    bool keep = false;

    explicit TemporaryFile(const std::string& target)
    {
        std::minstd_rand random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = target + ".tmp" + std::to_string(random() % 1000000);
            file.fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (file.fd >= 0 || errno != EEXIST)
                break;
        }
        if (file.fd < 0)
            fail("cannot create a temporary file beside " + target, errno);
    }
    ~TemporaryFile()
    {
        if (!keep)
            unlink(name.c_str());
    }
};

}  // namespace

std::string readFileStart(const std::string& path, std::size_t size)
{
    Descriptor file{openRegular(path)};
    if (file.fd < 0)
        fail("cannot read " + path, errno);
    return readPiece(file.fd, size, 0, path);
}

void writeFileSafely(const std::string& path, std::string_view head)
{
    const auto target = linkTarget(path);
    Descriptor old{openRegular(target)};
    struct stat info {};
    if (old.fd < 0 && errno != ENOENT)
        fail(errno == EINVAL ? target + " is not a regular file" : "cannot read " + target, errno);
    if (old.fd >= 0 && (fstat(old.fd, &info) != 0 || (info.st_mode & 0222) == 0))
        fail(target + " is read-only", EACCES);

    TemporaryFile temporary(target);
    // An existing file keeps its permissions.
    if (old.fd >= 0 && fchmod(temporary.file.fd, info.st_mode & 07777) != 0)
        fail("cannot set the permissions of " + temporary.name, errno);
    writeAll(temporary.file.fd, head, temporary.name);
    // What lies beyond the head is copied piece by piece, never read whole.
    for (auto offset = static_cast<off_t>(head.size()); old.fd >= 0;) {
        const auto piece = readPiece(old.fd, kCopyPiece, offset, target);
        if (piece.empty())
            break;
        writeAll(temporary.file.fd, piece, temporary.name);
        offset += static_cast<off_t>(piece.size());
    }
    if (fsync(temporary.file.fd) != 0)
        fail("cannot write " + temporary.name, errno);
    const int fd = std::exchange(temporary.file.fd, -1);
    if (::close(fd) != 0)
        fail("cannot write " + temporary.name, errno);
    if (rename(temporary.name.c_str(), target.c_str()) != 0)
        fail("cannot replace " + target, errno);
    temporary.keep = true;

    // Make the rename itself durable; a failure here loses nothing written.
    Descriptor directory{open(parentDirectory(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (directory.fd >= 0)
        fsync(directory.fd);
}

#endif

}  // namespace varnix
