#include "system/file_io.h"

#include "core/path_names.h"
#include "system/errno_failure.h"

#include <cerrno>
#include <random>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnix {
namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        const int error = errno;  // a failure being reported keeps its reason
        if (fd >= 0)
            ::close(fd);
        errno = error;
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
            throwErrno("cannot follow the link " + target, length < 0 ? errno : ENAMETOOLONG);
        const std::string next(buffer.data(), static_cast<std::size_t>(length));
        target = resolvePath(parentDirectory(target), next);  // relative to the link's folder
    }
    throwErrno("cannot follow the links of " + path, ELOOP);
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
    // Held from the open on, so that no way out leaves it open.
    Descriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd >= 0 && (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))) {  // replaced meanwhile
        errno = EINVAL;
        return -1;
    }
    return std::exchange(file.fd, -1);
}

void writeAll(int fd, std::string_view bytes, const std::string& path)
{
    while (!bytes.empty()) {
        const auto n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwErrno("cannot write " + path, errno);
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
            throwErrno("cannot read " + path, errno);
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
            throwErrno("cannot create a temporary file beside " + target, errno);
    }
    ~TemporaryFile()
    {
        if (!keep)
            unlink(name.c_str());
    }
};

}  // namespace

std::optional<std::string> readFileStart(const std::string& path, std::size_t size)
{
    Descriptor file{openRegular(path)};
    if (file.fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        return std::nullopt;
    if (file.fd < 0)
        throwErrno("cannot read " + path, errno);
    return readPiece(file.fd, size, 0, path);
}

void writeFileSafely(const std::string& path, std::string_view head)
{
    const auto target = linkTarget(path);
    Descriptor old{openRegular(target)};
    struct stat info {};
    if (old.fd < 0 && errno != ENOENT)
        throwErrno(errno == EINVAL ? target + " is not a regular file" : "cannot read " + target, errno);
    if (old.fd >= 0 && (fstat(old.fd, &info) != 0 || (info.st_mode & 0222) == 0))
        throwErrno(target + " is read-only", EACCES);

    TemporaryFile temporary(target);
    // An existing file keeps its permissions.
    if (old.fd >= 0 && fchmod(temporary.file.fd, info.st_mode & 07777) != 0)
        throwErrno("cannot set the permissions of " + temporary.name, errno);
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
        throwErrno("cannot write " + temporary.name, errno);
    const int fd = std::exchange(temporary.file.fd, -1);
    if (::close(fd) != 0)
        throwErrno("cannot write " + temporary.name, errno);
    if (rename(temporary.name.c_str(), target.c_str()) != 0)
        throwErrno("cannot replace " + target, errno);
    temporary.keep = true;

    // Make the rename itself durable; a failure here loses nothing written.
    Descriptor directory{open(parentDirectory(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (directory.fd >= 0)
        fsync(directory.fd);
}

}  // namespace varnix
