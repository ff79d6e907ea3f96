#include "core/common_dialog.h"

#include "core/view.h"

#include <algorithm>

namespace varnix {

std::vector<FileFilter> filterPairs(const std::string& filter)
{
    std::vector<std::string> pieces;
    for (std::size_t from = 0; from < filter.size();) {
        const auto bar = std::min(filter.find('|', from), filter.size());
        pieces.push_back(filter.substr(from, bar - from));
        from = bar + 1;
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2)
        filters.push_back({pieces[i], pieces[i + 1]});
    return filters;
}

void CommonDialog::showOpen(View& view)
{
    if (auto chosen = view.openFile(filterPairs(Filter), FilterIndex, FileName))
        FileName = std::move(*chosen);
}

}  // namespace varnix
