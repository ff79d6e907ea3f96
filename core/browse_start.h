#pragma once

#include <optional>
#include <string>

namespace varnix {

class System;

// The folder a folder dialog opened from a box holding `text` starts in:
// the folder `text` names, the folder of a file it names (an emulator's, by
// default), or the nearest folder above a path that is not there. A
// relative path is taken from `startDirectory`, as the ROM directory is.
// Nothing for an empty text or where no folder fits: the dialog's default.
std::optional<std::string> browseStartFolder(const System& system, const std::string& startDirectory,
                                             const std::string& text);

}  // namespace varnix
