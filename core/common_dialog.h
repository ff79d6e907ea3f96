#pragma once

#include <string>
#include <vector>

namespace varnix {

class View;

// A file-open dialog object that lives as long as the window and keeps the
// path it returned last. `Filter` is a text of "description|pattern|" pairs,
// `FilterIndex` the 1-based pair preselected.
class CommonDialog {
public:
    std::string Filter;
    int FilterIndex = 0;
    std::string FileName;  // empty until a file is chosen; Cancel leaves it

    // Shows the dialog as an Open dialog and waits until the user closes it.
    void showOpen(View& view);
};

// The dialog's filters for a "description|pattern|..." text: each pair
// becomes "description (patterns)". Patterns follow the Windows meaning, so
// "*.*" lists every file, also one without a dot.
std::vector<std::string> nameFiltersFor(const std::string& filter);

}  // namespace varnix
