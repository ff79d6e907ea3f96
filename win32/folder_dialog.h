#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace varnix {

// The system's folder dialog, owned by `owner`, starting in the folder
// `start` names (the dialog's default when empty), where the user can click
// through folders or type or paste a path: the chosen folder's wide path, or
// nothing on Cancel. The modern dialog where the system has it (Vista on),
// the older one with a box to type in elsewhere; `older` asks for that one
// on any system. Its DLLs are loaded when it is first shown. Throws Failure
// when neither can be shown.
std::optional<std::wstring> showFolderDialog(HWND owner, const std::string& start, bool older = false);

}  // namespace varnix
