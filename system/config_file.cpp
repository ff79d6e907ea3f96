#include "system/config_file.h"

#include "system/file_io.h"

namespace varnix {

std::optional<ConfigRecord> readConfigFile(const std::string& path)
{
    const auto bytes = readFileStart(path, kRecordSize);
    return bytes ? std::optional<ConfigRecord>(ConfigRecord::fromBytes(*bytes)) : std::nullopt;
}

void saveConfigFile(const std::string& path, const ConfigRecord& record)
{
    writeFileSafely(path, record.bytes());
}

}  // namespace varnix
