#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnix {

// What lies beyond the head is copied in pieces of this size, never read whole.
inline constexpr std::size_t kCopyPiece = 64 * 1024;

// The first `size` bytes of the regular file at `path`, fewer when it is
// shorter; nothing when there is no file of that name. Throws Failure when it
// is there but is no regular file (a FIFO or a device is never opened for a
// blocking read) or cannot be read.
std::optional<std::string> readFileStart(const std::string& path, std::size_t size);

// Replaces the first bytes of the file at `path` with `head`, keeping
// whatever the file holds beyond them, without ever leaving a torn file: the
// new content goes to a temporary file beside it, is flushed and renamed
// over it. A symbolic link stays and its target is written. Throws
// Failure with the reason when it cannot, among others for a file
// that is no regular file or has no write permission; the old file is then
// untouched and no temporary file is left behind.
void writeFileSafely(const std::string& path, std::string_view head);

}  // namespace varnix
