#include "system/process_start.h"
#include "system/process_start_posix.h"

#include "core/command_line.h"
#include "core/path_names.h"
#include "system/errno_failure.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#if __has_include(<linux/close_range.h>)
#include <linux/close_range.h>
#endif

extern char** environ;

namespace varnix {

namespace {

bool isExecutableFile(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Why `path` cannot be executed, for the message.
int whyNotExecutable(const std::string& path)
{
    struct stat status {};
    if (path.find('/') == std::string::npos || stat(path.c_str(), &status) != 0)
        return ENOENT;
    return EACCES;
}

// Writes all of `value` to `fd`; only async-signal-safe calls.
void writeError(int fd, int value)
{
    const char* bytes = reinterpret_cast<const char*>(&value);
    std::size_t left = sizeof value;
    while (left > 0) {
        const auto written = write(fd, bytes, left);
        if (written <= 0 && errno != EINTR)
            return;
        if (written > 0) {
            bytes += written;
            left -= static_cast<std::size_t>(written);
        }
    }
}

// Forks twice so that the emulator is nobody's child here: the middle process
// ends at once and is reaped, so no zombie is left and nothing waits on the
// emulator. The emulator reports a failed exec through a close-on-exec pipe;
// a pipe closed without a word means the exec succeeded.
int spawnDetached(const std::string& program, const std::vector<std::string>& argv)
{
    std::vector<char*> arguments;
    arguments.reserve(argv.size() + 1);
    for (const auto& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    struct rlimit limit {};
    const int descriptorLimit =
        getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 0x7fffffff ? static_cast<int>(limit.rlim_cur) : 65536;
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return errno;

    const pid_t middle = fork();
    if (middle < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (middle == 0) {
        // Between fork and exec only async-signal-safe calls.
        close(report[0]);
        setsid();  // not in Varnix's session: closing Varnix's terminal spares it
        const pid_t emulator = fork();
        if (emulator < 0) {
            writeError(report[1], errno);
            _exit(127);
        }
        if (emulator > 0)
            _exit(0);
        // The emulator gets none of Varnix's own files, whatever their flags.
        markCloseOnExecFrom(3, true, descriptorLimit);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        signal(SIGPIPE, SIG_DFL);
        execve(program.c_str(), arguments.data(), environ);
        writeError(report[1], errno);
        _exit(127);
    }

    close(report[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error))
        return error;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return ECHILD;
    return 0;
}

}  // namespace

void markCloseOnExecFrom(int first, bool useCloseRange, int limit)
{
#if defined(SYS_close_range) && defined(CLOSE_RANGE_CLOEXEC)
    if (useCloseRange && syscall(SYS_close_range, first, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
#else
    (void)useCloseRange;
#endif
    // Without close_range: the descriptors that /proc lists as open, read
    // with the raw system call (opendir may allocate) ...
    const int listing = open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing >= 0) {
        alignas(8) char buffer[4096];
        long got = 0;
        while ((got = syscall(SYS_getdents64, listing, buffer, sizeof buffer)) > 0) {
            for (long at = 0; at < got;) {
                // struct linux_dirent64: d_reclen at 16, d_name at 19.
                unsigned short length = 0;
                std::memcpy(&length, buffer + at + 16, sizeof length);
                int fd = 0;
                const char* name = buffer + at + 19;
                for (; *name >= '0' && *name <= '9'; ++name)
                    fd = fd * 10 + (*name - '0');
                if (*name == '\0' && name != buffer + at + 19 && fd >= first && fd != listing)
                    fcntl(fd, F_SETFD, FD_CLOEXEC);
                at += length;
            }
        }
        close(listing);
        if (got == 0)
            return;
    }
    // ... or, without /proc, every descriptor there can be.
    for (int fd = first; fd < limit; ++fd)
        fcntl(fd, F_SETFD, FD_CLOEXEC);
}

std::optional<std::string> findExecutable(const std::string& piece)
{
    if (piece.empty())
        return std::nullopt;
    if (piece.find('/') != std::string::npos)
        return isExecutableFile(piece) ? std::optional<std::string>(piece) : std::nullopt;

    const char* path = std::getenv("PATH");
    for (const auto& directory : splitSearchPath(path ? path : "/usr/local/bin:/usr/bin:/bin")) {
        const auto candidate = pathInDirectory(directory, piece);
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

void startCommandLine(const std::string& line)
{
    const auto resolved = resolveCommandLine(line, findExecutable);
    if (!resolved)
        throw Failure("cannot start the line", "there is no program to start");
    const std::string& shown = resolved->argv.front();
    if (resolved->program.empty())
        throw errnoFailure(whyNotExecutable(shown), "cannot run " + shown);
    if (const int error = spawnDetached(resolved->program, resolved->argv))
        throw errnoFailure(error, "cannot run " + shown);
}

}  // namespace varnix
