#pragma once

#include "core/config_record.h"

#include <string>

namespace varnix {

// Reads the record from the first 540 bytes of the file; missing bytes read
// as blanks. Throws Failure when the file is missing, cannot be read, or is
// no regular file.
ConfigRecord readConfigFile(const std::string& path);

// Writes the record as the first 540 bytes of the file, keeping whatever an
// existing file holds beyond them. Throws Failure with the reason when it
// cannot; the old file then stays as it was.
void saveConfigFile(const std::string& path, const ConfigRecord& record);

}  // namespace varnix
