#include "win32/dialogs.h"

#include "system/ansi_text.h"
#include "win32/folder_dialog.h"
#include "win32/resource_ids.h"
#include "win32/system_function.h"
#include "win32/window_text.h"

#include <cderr.h>
#include <commdlg.h>

namespace varnix {

const char* const kFolderNameNotHeld =
    "This folder's name cannot be written in this system's code page, and its disk keeps no short names. "
    "Please choose or type another folder.";

namespace {

struct InputBoxTexts {
    const std::string* prompt;
    const std::string* caption;
    const std::string* defaultText;
    const FolderStart* browseStart;
    std::string answer;
};

// Browse...: the folder dialog at the folder the field's text names; the
// chosen folder goes into the field, as a path the code page can hold.
void browseInto(HWND dialog, const InputBoxTexts& texts)
{
    HWND field = GetDlgItem(dialog, IDC_INPUT_TEXT);
    try {
        const auto start = (*texts.browseStart)(windowText(field));
        if (const auto chosen = showFolderDialog(dialog, start.value_or(""), !newerSystemCalls().modernFolderDialog)) {
            if (const auto path = heldAnsiPath(*chosen))
                SetWindowTextA(field, path->c_str());
            else
                MessageBoxA(dialog, kFolderNameNotHeld, "Varnix", MB_OK);
        }
    } catch (const Failure& failure) {
        MessageBoxA(dialog, (std::string("The folder dialog could not be shown: ") + failure.what()).c_str(),
                    "Varnix", MB_OK);
    }
    // Back in the field, OK the default again: Enter takes the folder.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
}

INT_PTR CALLBACK inputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const auto& texts = *reinterpret_cast<const InputBoxTexts*>(lParam);
        SetWindowTextA(dialog, texts.caption->c_str());
        SetDlgItemTextA(dialog, IDC_INPUT_PROMPT, texts.prompt->c_str());
        HWND field = GetDlgItem(dialog, IDC_INPUT_TEXT);
        SetWindowTextA(field, texts.defaultText->c_str());
        SendMessageA(field, EM_SETSEL, 0, -1);
        SetFocus(field);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_INPUT_BROWSE) {
            browseInto(dialog, *reinterpret_cast<const InputBoxTexts*>(GetWindowLongPtrA(dialog, DWLP_USER)));
            return TRUE;
        }
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            auto& texts = *reinterpret_cast<InputBoxTexts*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK)
                texts.answer = windowText(GetDlgItem(dialog, IDC_INPUT_TEXT));
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// Wide, so that a file in a folder such as "Łódź" comes back as a path
// that opens it: as itself where the code page holds it, else in short form.
std::optional<std::string> openFileDialog(HWND owner, const std::wstring& filter, int filterIndex,
                                          const std::string& startPath)
{
    std::wstring file(32768, L'\0');
    const auto start = wideFromAnsi(startPath);
    if (start.size() < file.size())
        file.replace(0, start.size(), start);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // The current directory is the window's to change, never the dialog's.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const auto getOpenFileName = systemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!getOpenFileName(&dialog))
        return std::nullopt;
    return ansiPath(file.c_str());
}

}  // namespace

std::string showInputBox(HINSTANCE instance, HWND owner, const std::string& prompt, const std::string& caption,
                         const std::string& defaultText, const FolderStart& browseStart)
{
    InputBoxTexts texts{&prompt, &caption, &defaultText, &browseStart, {}};
    const auto result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_INPUT_BOX), owner, inputBoxProcedure,
                                        reinterpret_cast<LPARAM>(&texts));
    return result == IDOK ? texts.answer : std::string();
}

std::optional<std::string> showOpenFileDialog(HWND owner, const std::vector<FileFilter>& filters, int filterIndex,
                                              const std::string& startPath)
{
    std::wstring filter;  // "description\0patterns\0...", ended by one more "\0"
    for (const auto& pair : filters) {
        filter += wideFromAnsi(pair.description);
        filter += L'\0';
        filter += wideFromAnsi(pair.patterns);
        filter += L'\0';
    }
    if (auto chosen = openFileDialog(owner, filter, filterIndex, startPath))
        return chosen;
    // A start path the dialog cannot take (one that no longer exists, or
    // one with blanks at its end) fails it at once: start without it.
    const auto extendedError = systemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!startPath.empty() && extendedError() == FNERR_INVALIDFILENAME)
        return openFileDialog(owner, filter, filterIndex, {});
    return std::nullopt;
}

}  // namespace varnix
