#include "demo/demo_log.h"

#include <cstdio>

namespace varnix::demo {
namespace {

std::string jsonString(const std::string& bytes)
{
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

}  // namespace

std::string logLine(const std::vector<std::string>& arguments, const std::string& currentDirectory)
{
    std::string line = "{\"argv\": [";
    for (std::size_t i = 0; i < arguments.size(); ++i)
        line += (i ? ", " : "") + jsonString(arguments[i]);
    return line + "], \"cwd\": " + jsonString(currentDirectory) + "}\n";
}

bool appendLine(const char* path, const std::string& line)
{
    std::FILE* log = std::fopen(path, "ab");
    if (!log)
        return false;
    std::setvbuf(log, nullptr, _IOFBF, line.size());
    const bool written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
    return std::fclose(log) == 0 && written;
}

}  // namespace varnix::demo
