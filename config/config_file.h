#pragma once

#include "config/config_record.h"

#include <optional>
#include <string>

namespace varnix {

// Reads the record from the first 540 bytes of the file; missing bytes read
// as blanks. Empty when the file cannot be opened or read, or is no regular
// file.
std::optional<ConfigRecord> readConfigFile(const std::string& path);

// Writes the record as the first 540 bytes of the file, keeping whatever an
// existing file holds beyond them. Throws std::system_error with the reason
// when it cannot; the old file then stays as it was.
void saveConfigFile(const std::string& path, const ConfigRecord& record);

}  // namespace varnix
