#pragma once

#include "core/common_dialog.h"
#include "core/directory_rows.h"
#include "core/emulator_table.h"
#include "core/system.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

// The folder a folder dialog opened from a box with this text starts in;
// nothing for the dialog's own default.
using FolderStart = std::function<std::optional<std::string>(const std::string& text)>;

// What the window shows and asks the user. Texts are the system's 8-bit
// bytes; a view converts them for display only. A view reports the user's
// acts to Form1 and decides nothing; a state Form1 sets is never reported
// back as an act.
class View {
public:
    virtual ~View() = default;

    // Per emulator, by its index in the emulator table.
    virtual void setOptionEnabled(std::size_t emulator, bool enabled) = 0;
    virtual void setOptionSelected(std::size_t emulator, bool selected) = 0;
    virtual void setParameterText(std::size_t emulator, const std::string& text) = 0;
    // The box's text: exactly the bytes it was given while the user has not
    // changed it.
    virtual std::string parameterText(std::size_t emulator) const = 0;
    virtual void setParameterEnabled(std::size_t emulator, bool enabled) = 0;
    virtual void setSetupChecked(std::size_t emulator, bool checked) = 0;

    // Exactly one of the two lists shows, at the same place.
    virtual void showRomList(RomList list) = 0;
    // The file list's entries, none of them selected.
    virtual void showFiles(std::shared_ptr<const std::vector<std::string>> names) = 0;
    // The row selected in `list`, if any.
    virtual std::optional<std::size_t> selectedRow(RomList list) const = 0;
    // Selects `row` of `list`, as a click on it would, and scrolls it into
    // view.
    virtual void selectRow(RomList list, std::size_t row) = 0;
    // The directory list's rows; none for a null `rows`.
    virtual void showDirectories(std::shared_ptr<const DirectoryRows> rows) = 0;
    // A read of `list`'s folder is under way, `progress` counting its names.
    // A quick read must look as it did before: only once it has taken longer
    // than kReadingNoticeDelayMs does the list's area say so, with the count,
    // and the pointer over the window say "working, still usable".
    virtual void showReading(RomList list, std::shared_ptr<const ReadProgress> progress) = 0;
    // The reads under way have ended or been given up: the list's area is
    // the list again.
    virtual void showReadEnded() = 0;

    // Modal: a message with an OK button only, titled "Varnix".
    virtual void messageBox(const std::string& text) = 0;
    // Modal: a question with Yes and No buttons, No the default, titled
    // "Varnix"; true for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
    // Modal: the edited text on OK, the empty text on Cancel. Its
    // "Browse..." button opens the system's folder dialog at the folder
    // `browseStart` gives for the box's text (or at the dialog's default)
    // and puts the chosen folder's path into the box; the box stays open.
    virtual std::string inputBox(const std::string& prompt, const std::string& caption,
                                 const std::string& defaultText, const FolderStart& browseStart) = 0;
    // Modal: a file-open dialog offering `filters` with the 1-based `filterIndex` preselected, starting at `startPath`;
    // the chosen file's full path in the system's separators, or nothing on
    // Cancel.
    virtual std::optional<std::string> openFile(const std::vector<FileFilter>& filters, int filterIndex,
                                                const std::string& startPath) = 0;
    // Hands `address` to the desktop's handler; false when none took it.
    virtual bool openAddress(const std::string& address) = 0;
    // Ends the program at once, saving nothing.
    virtual void endProgram() = 0;
};

}  // namespace varnix
