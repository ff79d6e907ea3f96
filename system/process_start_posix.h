#pragma once

#include <optional>
#include <string>

namespace varnix {

// The file a program piece names: a piece with a "/" names a file relative to
// the current directory; a bare name is looked up along PATH (never in the
// current directory). Only a regular file the user may execute counts.
std::optional<std::string> findExecutable(const std::string& piece);

// Marks every descriptor from `first` on close-on-exec. Where close_range is
// missing or fails (or `useCloseRange` is false) it goes through the ones
// /proc lists, or else every one below `limit`. Async-signal-safe: it runs
// between fork and exec.
void markCloseOnExecFrom(int first, bool useCloseRange, int limit);

}  // namespace varnix
