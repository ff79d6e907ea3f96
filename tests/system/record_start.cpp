// Started by the process tests in place of an emulator: records its working
// directory and arguments, NUL-separated, in a file named after its process
// id inside the directory that VARNIX_RECORD_DIR names, and what the files
// it holds beyond the standard three are, one a line, in "<pid>.fds", and
// its session in "<pid>.fds" too, on a last line "session <id>".
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

int main(int argc, char* argv[])
{
    const char* directory = std::getenv("VARNIX_RECORD_DIR");
    if (!directory)
        return 2;
    std::string record(4096, '\0');
    if (!getcwd(record.data(), record.size()))
        return 3;
    record.resize(record.find('\0'));
    for (int i = 0; i < argc; ++i)
        record.append(1, '\0').append(argv[i]);
    const std::string name = std::string(directory) + "/" + std::to_string(getpid());
    {
        std::ofstream fds(name + ".fds");
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            if (std::stoi(entry.path().filename().string()) > 2)
                fds << std::filesystem::read_symlink(entry.path()).string() << '\n';
        }
        fds << "session " << getsid(0) << '\n';
    }
    // Written under another name and renamed, so a reader sees it whole.
    {
        std::ofstream(name + ".part", std::ios::binary) << record;
    }
    return std::rename((name + ".part").c_str(), name.c_str()) == 0 ? 0 : 4;
}
