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

// One entry of the dialog's file-type list: the description shown and the
// ";"-separated patterns it matches, both as the pair gives them. Patterns
// follow the Windows meaning, so "*.*" lists every file, also one without a dot.
struct FileFilter {
    std::string description;
    std::string patterns;
    bool operator==(const FileFilter&) const = default;
};

// The pairs of a "description|pattern|description|pattern|..." text; a
// description without its pattern is dropped.
std::vector<FileFilter> filterPairs(const std::string& filter);

}  // namespace varnix
