// Started by the process tests in place of an emulator: records its working
// directory and arguments, NUL-separated, in a file named after its process
// id inside the directory that VARNIX_RECORD_DIR names.
#include <cstdlib>
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
    // Written under another name and renamed, so a reader sees it whole.
    {
        std::ofstream(name + ".part", std::ios::binary) << record;
    }
    return std::rename((name + ".part").c_str(), name.c_str()) == 0 ? 0 : 4;
}
