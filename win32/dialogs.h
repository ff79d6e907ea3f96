#pragma once

#include "core/common_dialog.h"
#include "core/view.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace varnix {

// The window's own modal input box: caption, prompt, a one-line field that
// starts with `defaultText` with a "Browse..." button beside it, OK and
// Cancel. Browse opens the folder dialog at `browseStart`'s folder for the
// field's text and puts the chosen folder's path into the field. The text
// on OK, the empty text on Cancel.
std::string showInputBox(HINSTANCE instance, HWND owner, const std::string& prompt, const std::string& caption,
                         const std::string& defaultText, const FolderStart& browseStart);

// Said when the chosen folder's name has no form the code page can hold.
extern const char* const kFolderNameNotHeld;

// The system's Open dialog with `filters`, the 1-based `filterIndex`
// preselected, starting at `startPath`; the chosen file's full path, or
// nothing on Cancel. The current directory stays as it was. Throws Failure
// when the system cannot show it.
std::optional<std::string> showOpenFileDialog(HWND owner, const std::vector<FileFilter>& filters, int filterIndex,
                                              const std::string& startPath);

}  // namespace varnix
