#pragma once

#include <string>

namespace varnix {

// The directory that holds the program's executable. Throws Failure.
std::string programDirectory();
// The process's current directory. Throws Failure.
std::string currentDirectory();
// Makes `directory` current, and on Windows its drive too. Trailing blanks
// are not part of the name. Throws Failure.
void changeDirectory(const std::string& directory);
// Whether `path` names a directory that is there.
bool isDirectory(const std::string& path);

}  // namespace varnix
