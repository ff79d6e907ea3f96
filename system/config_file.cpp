#include "system/config_file.h"

#include "system/file_io.h"

namespace varnix {

ConfigRecord readConfigFile(const std::string& path)
{
    return ConfigRecord::fromBytes(readFileStart(path, kRecordSize));
}

void saveConfigFile(const std::string& path, const ConfigRecord& record)
{
    writeFileSafely(path, record.bytes());
}

}  // namespace varnix
