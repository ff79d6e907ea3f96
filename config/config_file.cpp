#include "config/config_file.h"

#include "config/file_io.h"

#include <system_error>

namespace varnix {

std::optional<ConfigRecord> readConfigFile(const std::string& path)
{
    try {
        return ConfigRecord::fromBytes(readFileStart(path, kRecordSize));
    } catch (const std::system_error&) {
        return std::nullopt;  // read as a missing file
    }
}

void saveConfigFile(const std::string& path, const ConfigRecord& record)
{
    writeFileSafely(path, record.bytes());
}

}  // namespace varnix
