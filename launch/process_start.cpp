#include "launch/process_start.h"

#include "launch/command_line.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include "launch/windows_error.h"

#include <windows.h>
#else
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace varnix {

#ifdef _WIN32

namespace {

std::optional<std::string> findWindowsProgram(const std::string& piece)
{
    // The process start tries the name as it stands and with ".exe" added.
    for (const auto& name : {piece, piece + ".exe"}) {
        const DWORD attributes = GetFileAttributesA(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return name;
    }
    return std::nullopt;
}

}  // namespace

void startCommandLine(const std::string& line)
{
    const auto resolved = resolveCommandLine(line, findWindowsProgram);
    if (!resolved)
        throw std::invalid_argument("there is no program to start");
    const std::string program = resolved->argv.front();

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        throw windowsError(GetLastError(), "cannot run " + program);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

#else

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
#ifdef CLOSE_RANGE_CLOEXEC
        // The emulator gets none of Varnix's own files, whatever their flags.
        close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
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

std::optional<std::string> findExecutable(const std::string& piece)
{
    if (piece.empty())
        return std::nullopt;
    if (piece.find('/') != std::string::npos)
        return isExecutableFile(piece) ? std::optional<std::string>(piece) : std::nullopt;

    const char* variable = std::getenv("PATH");
    const std::string path = variable ? variable : "/usr/local/bin:/usr/bin:/bin";
    std::size_t from = 0;
    while (from <= path.size()) {
        const auto colon = std::min(path.find(':', from), path.size());
        const auto directory = path.substr(from, colon - from);
        // An empty entry would mean the current directory, which is the ROM
        // directory during a launch: it is never searched.
        if (!directory.empty()) {
            const auto candidate = directory + "/" + piece;
            if (isExecutableFile(candidate))
                return candidate;
        }
        from = colon + 1;
    }
    return std::nullopt;
}

void startCommandLine(const std::string& line)
{
    const auto resolved = resolveCommandLine(line, findExecutable);
    if (!resolved)
        throw std::invalid_argument("there is no program to start");
    const std::string& shown = resolved->argv.front();
    if (resolved->program.empty())
        throw std::system_error(whyNotExecutable(shown), std::generic_category(), "cannot run " + shown);
    if (const int error = spawnDetached(resolved->program, resolved->argv))
        throw std::system_error(error, std::generic_category(), "cannot run " + shown);
}

#endif

}  // namespace varnix
