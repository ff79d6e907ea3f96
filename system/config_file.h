#pragma once

#include "core/config_record.h"

#include <optional>
#include <string>

namespace varnix {

// Reads the record from the first 540 bytes of the file; missing bytes read
// as blanks. Nothing when there is no such file; throws Failure when it is
// there but cannot be read, or is no regular file.
std::optional<ConfigRecord> readConfigFile(const std::string& path);

// Writes the record as the first 540 bytes of the file, keeping whatever an
// existing file holds beyond them. Throws Failure with the reason when it
// cannot; the old file then stays as it was.
void saveConfigFile(const std::string& path, const ConfigRecord& record);

}  // namespace varnix
