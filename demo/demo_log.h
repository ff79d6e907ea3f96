#pragma once

#include <string>
#include <vector>

namespace varnix::demo {

// One JSON line, {"argv": [...], "cwd": "..."}, ended by a newline; bytes
// above 127 pass as they are.
std::string logLine(const std::vector<std::string>& arguments, const std::string& currentDirectory);

// Appends `line` to the file at `path` in one write, so the lines of
// emulators started together never interleave. False when that fails.
bool appendLine(const char* path, const std::string& line);

}  // namespace varnix::demo
