#pragma once

#include <string>
#include <string_view>

namespace varnix {

// The launch's decisions, as plain functions of their inputs. Names and paths
// are bytes of the system's 8-bit encoding.

// Prepares an emulator's ROM directory for use as the current directory: when
// the name without its trailing blanks ends with a separator, the working
// copy itself loses that separator (and its blanks). A root ("/", or "C:\"
// on Windows) stays the root.
void romDirectoryStep(std::string& romDirectory);

// A MAME game's name from its file name: the name up to its first ".". The
// last character is never examined, so "abc." keeps its dot; ".zip" gives
// the empty text.
std::string gameNameFromZip(std::string_view fileName);

// A NeoRage game directory from the directory list's path: the text after the
// last separator, looked for within the last 29 characters only; a longer
// last component leaves the whole path. A path ending with a separator (the
// root) gives the empty text.
std::string gameDirectoryName(std::string_view listPath);

// The command line: the three pieces joined by single blanks. No piece is
// quoted or trimmed, and an empty piece still takes its place.
std::string composeCommandLine(std::string_view executable, std::string_view first, std::string_view second);

}  // namespace varnix
