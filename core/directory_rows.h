#pragma once

#include "core/path_names.h"

#include <string>
#include <vector>

namespace varnix {

// The rows of the directory list: the chain of directories from the root
// down to the list's directory, then that directory's sub-directories.
struct DirectoryRows {
    PathChain chain;
    std::vector<std::string> subdirectories;

    std::size_t count() const { return 1 + chain.names.size() + subdirectories.size(); }
    // The row of the list's own directory, the one that is open.
    std::size_t openRow() const { return chain.names.size(); }
    // How deep a row is indented: the root 0, each name below it one more.
    std::size_t depthOf(std::size_t row) const { return row < openRow() + 1 ? row : openRow() + 1; }
    // The name a row shows: the root in full, otherwise one name.
    const std::string& nameAt(std::size_t row) const;
    // The full path of a row's directory.
    std::string pathAt(std::size_t row) const;
};

}  // namespace varnix
