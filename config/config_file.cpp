#include "config/config_file.h"

#include "config/safe_write.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace varnix {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string reason(const std::string& what, int error)
{
    return what + ": " + std::generic_category().message(error);
}

// The bytes an existing file holds beyond the record. A file that does not
// exist has none; one that exists but cannot be read is an error, so that a
// save never silently drops them.
std::optional<std::string> tailBeyondRecord(const std::string& path, std::string& error)
{
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        if (errno == ENOENT)
            return std::string();
        error = reason("cannot read " + path, errno);
        return std::nullopt;
    }
    std::string tail;
    if (std::fseek(file.get(), static_cast<long>(kRecordSize), SEEK_SET) == 0) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
            tail.append(buffer, n);
    }
    if (std::ferror(file.get())) {
        error = reason("cannot read " + path, errno);
        return std::nullopt;
    }
    return tail;
}

}  // namespace

std::optional<ConfigRecord> readConfigFile(const std::string& path)
{
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string bytes(kRecordSize, ' ');
    const auto count = std::fread(bytes.data(), 1, kRecordSize, file.get());
    if (std::ferror(file.get()))  // a directory, an I/O error
        return std::nullopt;
    bytes.resize(count);
    return ConfigRecord::fromBytes(bytes);
}

std::string saveConfigFile(const std::string& path, const ConfigRecord& record)
{
    std::string error;
    const auto tail = tailBeyondRecord(path, error);
    if (!tail)
        return error;
    std::string content(record.bytes());
    content += *tail;
    return writeFileSafely(path, content);
}

}  // namespace varnix
