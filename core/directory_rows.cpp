#include "core/directory_rows.h"

namespace varnix {

const std::string& DirectoryRows::nameAt(std::size_t row) const
{
    if (row == 0)
        return chain.root;
    return row <= chain.names.size() ? chain.names[row - 1] : subdirectories[row - 1 - chain.names.size()];
}

std::string DirectoryRows::pathAt(std::size_t row) const
{
    if (row <= chain.names.size())
        return chain.pathOf(row);
    return pathInDirectory(chain.path(), nameAt(row));
}

}  // namespace varnix
