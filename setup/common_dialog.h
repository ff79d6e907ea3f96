#pragma once

#include <QString>
#include <QStringList>

namespace varnix {

class Dialogs;

// A file-open dialog object that lives as long as the window and keeps the
// path it returned last. `Filter` is a text of "description|pattern|" pairs,
// `FilterIndex` the 1-based pair preselected.
class CommonDialog {
public:
    QString Filter;
    int FilterIndex = 0;
    QString FileName;  // empty until a file is chosen; Cancel leaves it

    // Shows the dialog as an Open dialog and waits until the user closes it.
    void showOpen(Dialogs& dialogs);
};

// The dialog's filters for a "description|pattern|..." text: each pair
// becomes "description (patterns)". Patterns follow the Windows meaning, so
// "*.*" lists every file, also one without a dot.
QStringList nameFiltersFor(const QString& filter);

}  // namespace varnix
