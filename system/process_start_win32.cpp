#include "system/process_start.h"

#include "core/command_line.h"
#include "core/path_names.h"
#include "system/windows_error.h"

#include <cstdlib>
#include <vector>

#include <windows.h>

namespace varnix {

namespace {

bool isProgramFile(const std::string& name)
{
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file a program piece names, tried as it stands and with ".exe" added.
// A piece without a directory is looked up along PATH only: never in
// Varnix's own folder nor in the current one, which is the ROM folder.
std::optional<std::string> findWindowsProgram(const std::string& piece)
{
    if (piece.empty())
        return std::nullopt;
    const char* path = std::getenv("PATH");
    const auto directories = findSeparator(piece) != std::string::npos || piece.find(':') != std::string::npos
                                 ? std::vector<std::string>{std::string()}
                                 : splitSearchPath(path ? path : "");
    for (const auto& directory : directories) {
        for (const auto& name : {piece, piece + ".exe"}) {
            const auto candidate = pathInDirectory(directory, name);
            if (isProgramFile(candidate))
                return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

void startCommandLine(const std::string& line)
{
    const auto resolved = resolveCommandLine(line, findWindowsProgram);
    if (!resolved)
        throw Failure("cannot start the line", "there is no program to start");
    const std::string& program = resolved->argv.front();
    if (resolved->program.empty())
        throw windowsFailure(ERROR_FILE_NOT_FOUND, "cannot run " + program);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    // The resolved file, not the line, names the program: the system's own
    // search would try Varnix's folder and the current one first.
    if (!CreateProcessA(resolved->program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw windowsFailure(GetLastError(), "cannot run " + program);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace varnix
