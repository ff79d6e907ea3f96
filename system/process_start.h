#pragma once

#include <string>

namespace varnix {

// Starts `line` as a new, independent process in the current directory, in
// a normal window, without waiting for it: no shell takes part, no handle is
// kept, no zombie is left, and the process outlives Varnix. Throws
// Failure, naming the program, when it cannot be started or the line has no
// program piece.
void startCommandLine(const std::string& line);

}  // namespace varnix
