#pragma once

#include "core/system.h"

#include <string>
#include <vector>

namespace varnix {

// Plain names (no directory) of the entries of `wanted` kind in `directory`
// (a link counts as what it leads to), hidden ones left out, sorted with
// nameLess. Trailing blanks are not part of the directory's name. Throws
// Failure when the directory cannot be opened or read; an entry that cannot
// be examined is only left out. `progress`, where given, counts the names
// kept so far.
std::vector<std::string> listEntries(const std::string& directory, EntryKind wanted,
                                     ReadProgress* progress = nullptr);

inline std::vector<std::string> listFiles(const std::string& directory)
{
    return listEntries(directory, EntryKind::File);
}
inline std::vector<std::string> listSubdirectories(const std::string& directory)
{
    return listEntries(directory, EntryKind::Directory);
}

}  // namespace varnix
