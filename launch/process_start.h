#pragma once

#include <optional>
#include <string>

namespace varnix {

// Starts `line` as a new, independent process in the current directory, in
// a normal window, without waiting for it: no shell takes part, no handle is
// kept, no zombie is left, and the process outlives Varnix. Throws
// std::system_error, naming the program, when it cannot be started; a line
// with no program piece throws std::invalid_argument.
void startCommandLine(const std::string& line);

#ifndef _WIN32
// The file a program piece names: a piece with a "/" names a file relative to
// the current directory; a bare name is looked up along PATH (never in the
// current directory). Only a regular file the user may execute counts.
std::optional<std::string> findExecutable(const std::string& piece);

// Marks every descriptor from `first` on close-on-exec. Where close_range is
// missing or fails (or `useCloseRange` is false) it goes through the ones
// /proc lists, or else every one below `limit`. Async-signal-safe: it runs
// between fork and exec.
void markCloseOnExecFrom(int first, bool useCloseRange, int limit);
#endif

}  // namespace varnix
