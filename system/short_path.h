#pragma once

#include <string>

namespace varnix {

// The short form of `path` (relative paths resolve against the current
// directory), or the empty text when the path names nothing or the
// conversion fails. Where the system keeps no short forms (or a volume has
// them turned off), a name with blanks or quotes is written as one
// command-line argument.
std::string ShortPath(std::string path);

}  // namespace varnix
