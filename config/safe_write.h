#pragma once

#include <string>
#include <string_view>

namespace varnix {

// Replaces the file at `path` with `content` without ever leaving a torn
// file: the content goes to a temporary file in the same directory, is
// flushed to disk and renamed over `path`. Returns the empty text on success,
// otherwise the reason; on failure the old file is untouched and no
// temporary file is left behind.
std::string writeFileSafely(const std::string& path, std::string_view content);

}  // namespace varnix
