// Vista's folder dialog is a COM class asked for when Browse is pressed,
// never an import: this file alone sees Vista's declarations of it. XP gets
// the older dialog, and the import check holds every import at XP's.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600

#include "win32/folder_dialog.h"

#include "system/ansi_text.h"
#include "win32/system_function.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace varnix {
namespace {

// COM for the dialogs, on the window's thread, while it lives.
struct ComInitialized {
    ComInitialized()
    {
        const auto initialize = systemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        initialized = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComInitialized()
    {
        if (initialized)
            systemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize")();
    }
    bool initialized = false;
};

template <class Interface>
struct Releasing {
    Interface* pointer = nullptr;
    ~Releasing()
    {
        if (pointer)
            pointer->Release();
    }
};

void freeComMemory(void* memory)
{
    systemFunction<decltype(CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree")(memory);
}

// Vista's dialog, picking folders; nothing in `shown` where the system has none.
std::optional<std::wstring> modernDialog(HWND owner, const std::wstring& start, bool& shown)
{
    const auto create = systemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    Releasing<IFileOpenDialog> dialog;
    shown = SUCCEEDED(create(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                             reinterpret_cast<void**>(&dialog.pointer)));
    if (!shown)
        return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog.pointer->GetOptions(&options);
    // The current directory is the window's to change, never the dialog's.
    dialog.pointer->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
    if (!start.empty()) {
        const auto itemOf = systemFunction<decltype(SHCreateItemFromParsingName)>(L"shell32.dll",
                                                                                  "SHCreateItemFromParsingName");
        Releasing<IShellItem> folder;
        if (SUCCEEDED(itemOf(start.c_str(), nullptr, IID_IShellItem, reinterpret_cast<void**>(&folder.pointer))))
            dialog.pointer->SetFolder(folder.pointer);
    }
    Releasing<IShellItem> chosen;
    if (FAILED(dialog.pointer->Show(owner)) || FAILED(dialog.pointer->GetResult(&chosen.pointer)))
        return std::nullopt;
    wchar_t* path = nullptr;
    if (FAILED(chosen.pointer->GetDisplayName(SIGDN_FILESYSPATH, &path)))
        return std::nullopt;
    std::wstring result(path);
    freeComMemory(path);
    return result;
}

int CALLBACK selectStart(HWND dialog, UINT message, LPARAM, LPARAM start)
{
    if (message == BFFM_INITIALIZED && start)
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

// The dialog of XP and older, with a box to type a path in.
std::optional<std::wstring> olderDialog(HWND owner, const std::wstring& start)
{
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
    browse.lpfn = selectStart;
    browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    const auto browseForFolder = systemFunction<decltype(SHBrowseForFolderW)>(L"shell32.dll", "SHBrowseForFolderW");
    LPITEMIDLIST chosen = browseForFolder(&browse);
    if (!chosen)
        return std::nullopt;
    const auto pathOf = systemFunction<decltype(SHGetPathFromIDListW)>(L"shell32.dll", "SHGetPathFromIDListW");
    std::wstring path(MAX_PATH, L'\0');
    const bool found = pathOf(chosen, path.data());
    freeComMemory(chosen);
    if (!found)
        return std::nullopt;
    path.resize(wcslen(path.c_str()));
    return path;
}

}  // namespace

std::optional<std::wstring> showFolderDialog(HWND owner, const std::string& start, bool older)
{
    const ComInitialized com;
    const auto wideStart = wideFromAnsi(start);
    bool shown = false;
    if (!older) {
        auto chosen = modernDialog(owner, wideStart, shown);
        if (shown)
            return chosen;
    }
    return olderDialog(owner, wideStart);
}

}  // namespace varnix
