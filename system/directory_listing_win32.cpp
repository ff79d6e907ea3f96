#include "system/directory_listing.h"

#include "core/fixed_field.h"
#include "core/name_matching.h"
#include "core/path_names.h"
#include "system/ansi_text.h"
#include "system/directories.h"
#include "system/errno_failure.h"
#include "system/newer_calls.h"
#include "system/windows_error.h"

#include <algorithm>
#include <cerrno>

#include <windows.h>

namespace varnix {

std::vector<std::string> listEntries(const std::string& directory, EntryKind wanted, ReadProgress* progress)
{
    const auto name = withoutTrailingBlanks(directory);
    if (name.empty())
        throw errnoFailure(ENOENT, "cannot read the directory \"\"");
    // Wide, so that a name the code page cannot hold is seen as it is and
    // taken in its short form, never as a "?" or a look-alike of it.
    const auto wideDirectory = wideFromAnsi(name);
    WIN32_FIND_DATAW data;
    // The basic level leaves out the short names, which take the system
    // time to make and which the list needs only for such names; the large
    // fetch reads a folder in fewer calls. Before Windows 7 neither is taken.
    const bool basic = newerKernelCalls().basicLargeFind;
    HANDLE find = FindFirstFileExW(wideFromAnsi(pathInDirectory(name, "*")).c_str(),
                                   basic ? FindExInfoBasic : FindExInfoStandard, &data, FindExSearchNameMatch,
                                   nullptr, basic ? FIND_FIRST_EX_LARGE_FETCH : 0);
    std::vector<std::string> names;
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A drive's root that holds nothing has no "." either: it is empty,
        // not unreadable.
        if (error == ERROR_FILE_NOT_FOUND && isDirectory(name))
            return names;
        throw windowsFailure(error, "cannot read " + name);
    }
    do {
        const auto attributes = data.dwFileAttributes;
        const bool isFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
        if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ||
            isFolder != (wanted == EntryKind::Directory))
            continue;
        const std::wstring_view entry(data.cFileName);
        if (entry == L"." || entry == L"..")
            continue;
        names.push_back(ansiEntryName(wideDirectory, data.cFileName));
        if (progress)
            progress->store(names.size(), std::memory_order_relaxed);
    } while (FindNextFileW(find, &data));
    const DWORD error = GetLastError();
    FindClose(find);
    if (error != ERROR_NO_MORE_FILES)
        throw windowsFailure(error, "cannot read " + name);
    sortNames(names);
    return names;
}

}  // namespace varnix
