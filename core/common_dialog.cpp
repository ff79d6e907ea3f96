#include "core/common_dialog.h"

#include "core/name_matching.h"
#include "core/view.h"

namespace varnix {

std::vector<std::string> nameFiltersFor(const std::string& filter)
{
    std::vector<std::string> pieces;
    for (std::size_t from = 0; from < filter.size();) {
        const auto bar = std::min(filter.find('|', from), filter.size());
        pieces.push_back(filter.substr(from, bar - from));
        from = bar + 1;
    }
    std::vector<std::string> filters;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        std::string patterns;
        for (auto pattern : splitPatterns(pieces[i + 1])) {
            if (pattern == "*.*")
                pattern = "*";
            patterns += (patterns.empty() ? "" : " ") + pattern;
        }
        // The description is shown as it stands; the patterns after it match.
        filters.push_back(pieces[i] + " (" + patterns + ")");
    }
    return filters;
}

void CommonDialog::showOpen(View& view)
{
    if (auto chosen = view.openFile(nameFiltersFor(Filter), FilterIndex, FileName))
        FileName = std::move(*chosen);
}

}  // namespace varnix
