#include "core/browse_start.h"

#include "core/fixed_field.h"
#include "core/path_names.h"
#include "core/system.h"

namespace varnix {

std::optional<std::string> browseStartFolder(const System& system, const std::string& startDirectory,
                                             const std::string& text)
{
    const auto path = resolvePath(startDirectory, withoutTrailingBlanks(text));
    if (path.empty())
        return std::nullopt;
    const auto chain = splitAbsolutePath(path);
    for (std::size_t count = chain.names.size() + 1; count-- > 0;) {
        auto folder = chain.pathOf(count);
        if (system.isDirectory(folder))
            return folder;
    }
    return std::nullopt;
}

}  // namespace varnix
