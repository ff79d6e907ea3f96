#include "win32/win32_view.h"

#include "core/emulator_table.h"
#include "core/form1.h"
#include "core/form1_layout.h"
#include "core/reading_notice.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/resource_ids.h"
#include "win32/system_function.h"
#include "win32/window_tasks.h"
#include "win32/window_text.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

namespace varnix {
namespace {

std::size_t layoutIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].name == name)
            return i;
    return kControls.size();
}

}  // namespace

Win32View::~Win32View()
{
    closeQueue();
    if (IsWindow(m_window)) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);  // its last messages find no view
        DestroyWindow(m_window);
    }
}

void Win32View::attach(Form1& form)
{
    m_form = &form;
}

int Win32View::run()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys and the access keys as in a dialog.
        if (IsDialogMessageA(m_window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

HWND Win32View::control(std::string_view name) const
{
    const auto index = layoutIndex(name);
    return index < m_controls.size() ? m_controls[index] : nullptr;
}

// ---- what Form1 sets ----

void Win32View::setOptionEnabled(std::size_t emulator, bool enabled)
{
    HWND option = m_emulators.at(emulator).option;
    if (!enabled)
        moveFocusOnFrom(option);
    EnableWindow(option, enabled);
    keepOneOptionTabStop();
}

void Win32View::setOptionSelected(std::size_t emulator, bool selected)
{
    // One group: the check moves, and no click is reported for it.
    for (std::size_t i = 0; i < m_emulators.size(); ++i) {
        const int check = i == emulator && selected ? BST_CHECKED : BST_UNCHECKED;
        if ((i == emulator || selected) && Button_GetCheck(m_emulators[i].option) != check)
            Button_SetCheck(m_emulators[i].option, check);
    }
    keepOneOptionTabStop();
}

void Win32View::setParameterText(std::size_t emulator, const std::string& text)
{
    auto& controls = m_emulators.at(emulator);
    controls.shownBytes = text;
    SetWindowTextA(controls.box, text.c_str());  // clears the box's "changed" mark
}

std::string Win32View::parameterText(std::size_t emulator) const
{
    // A box the user left as it was gives back the bytes it was given, also
    // those the code page cannot show.
    const auto& controls = m_emulators.at(emulator);
    return Edit_GetModify(controls.box) ? windowText(controls.box) : controls.shownBytes;
}

void Win32View::setParameterEnabled(std::size_t emulator, bool enabled)
{
    HWND box = m_emulators.at(emulator).box;
    if (!enabled)
        moveFocusOnFrom(box);
    EnableWindow(box, enabled);
}

void Win32View::setSetupChecked(std::size_t emulator, bool checked)
{
    CheckMenuItem(GetMenu(m_window), static_cast<UINT>(kFirstSetupEntryId + emulator),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32View::showRomList(RomList list)
{
    m_shownList = list;
    showListArea();
}

void Win32View::showListArea()
{
    const bool notice = m_readingNotice && m_readingNotice->isShown();
    ShowWindow(fileRoms, !notice && m_shownList == RomList::Files ? SW_SHOW : SW_HIDE);
    ShowWindow(Dir1, !notice && m_shownList == RomList::Directories ? SW_SHOW : SW_HIDE);
}

void Win32View::showReading(RomList list, std::shared_ptr<const ReadProgress> progress)
{
    m_readingNotice->start(list == RomList::Files ? fileRoms : Dir1, std::move(progress));
    // The queue is run on this beat too while a read is under way, should a
    // wake have been lost.
    SetTimer(m_window, kQueuePollTimer, kReadingNoticeRefreshMs, nullptr);
}

void Win32View::showReadEnded()
{
    KillTimer(m_window, kQueuePollTimer);
    m_readingNotice->stop();
}

void Win32View::showFiles(std::shared_ptr<const std::vector<std::string>> names)
{
    if (m_rowToSelect && m_rowToSelect->first == fileRoms)
        m_rowToSelect.reset();  // a row of the names that go
    m_files = std::move(names);  // drawn from here; the list box holds them too, for readers
    m_fill->start(fileRoms, m_files->size(), [this](std::size_t i) -> const std::string& { return (*m_files)[i]; });
}

std::optional<std::size_t> Win32View::selectedRow(RomList list) const
{
    HWND box = listOf(list);
    if (m_rowToSelect && m_rowToSelect->first == box)
        return m_rowToSelect->second;
    const auto row = ListBox_GetCurSel(box);
    return row == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

void Win32View::selectRow(RomList list, std::size_t row)
{
    HWND box = listOf(list);
    m_rowToSelect.reset();
    if (m_fill->filling(box))
        m_rowToSelect.emplace(box, row);
    else
        ListBox_SetCurSel(box, static_cast<int>(row));  // and scrolls it into view
}

void Win32View::showDirectories(std::shared_ptr<const DirectoryRows> rows)
{
    if (m_rowToSelect && m_rowToSelect->first == Dir1)
        m_rowToSelect.reset();
    m_directories = std::move(rows);
    m_fill->start(Dir1, m_directories ? m_directories->count() : 0,
                  [this](std::size_t i) -> const std::string& { return m_directories->nameAt(i); });
}

void Win32View::messageBox(const std::string& text)
{
    keepingFocus([&] { MessageBoxA(m_window, text.c_str(), "Varnix", MB_OK); });
}

bool Win32View::askYesNo(const std::string& question)
{
    int answer = IDNO;
    keepingFocus([&] { answer = MessageBoxA(m_window, question.c_str(), "Varnix", MB_YESNO | MB_DEFBUTTON2); });
    return answer == IDYES;
}

std::string Win32View::inputBox(const std::string& prompt, const std::string& caption, const std::string& defaultText,
                                const FolderStart& browseStart)
{
    std::string text;
    keepingFocus([&] { text = showInputBox(m_instance, m_window, prompt, caption, defaultText, browseStart); });
    return text;
}

std::optional<std::string> Win32View::openFile(const std::vector<FileFilter>& filters, int filterIndex,
                                               const std::string& startPath)
{
    try {
        std::optional<std::string> chosen;
        keepingFocus([&] { chosen = showOpenFileDialog(m_window, filters, filterIndex, startPath); });
        return chosen;
    } catch (const Failure& failure) {
        messageBox(std::string("The Open dialog could not be shown: ") + failure.what());
        return std::nullopt;  // as Cancel: the setup goes on with the path chosen last
    }
}

bool Win32View::openAddress(const std::string& address)
{
    try {
        const auto shellExecute = systemFunction<decltype(ShellExecuteA)>(L"shell32.dll", "ShellExecuteA");
        const auto result = shellExecute(m_window, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(result) > 32;
    } catch (const Failure&) {
        return false;  // reported as any other address that could not be opened
    }
}

void Win32View::endProgram()
{
    DestroyWindow(m_window);
}

// ---- the window's messages, and the user's acts ----

LRESULT CALLBACK Win32View::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // An owner-drawn list reports each row it lets go, 50,000 of them when a
    // long list is replaced: answered first, with nothing to free.
    if (message == WM_DELETEITEM)
        return TRUE;
    if (message == WM_NCCREATE) {
        auto* view = static_cast<Win32View*>(reinterpret_cast<LPCREATESTRUCTA>(lParam)->lpCreateParams);
        view->m_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    auto* view = reinterpret_cast<Win32View*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return view ? view->handle(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

// The crackers call a function of the window; these are the view's.
#define VIEW_MEMBER(name) [this](auto... arguments) { return name(arguments...); }

LRESULT Win32View::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, VIEW_MEMBER(onCreate));
        HANDLE_MSG(window, WM_COMMAND, VIEW_MEMBER(onCommand));
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, VIEW_MEMBER(onCtlColor));
        HANDLE_MSG(window, WM_CTLCOLORBTN, VIEW_MEMBER(onCtlColor));
        HANDLE_MSG(window, WM_CTLCOLORLISTBOX, VIEW_MEMBER(onCtlColor));
        HANDLE_MSG(window, WM_ERASEBKGND, VIEW_MEMBER(onEraseBkgnd));
        HANDLE_MSG(window, WM_DRAWITEM, VIEW_MEMBER(onDrawItem));
        HANDLE_MSG(window, WM_NOTIFY, VIEW_MEMBER(onNotify));
        HANDLE_MSG(window, WM_SETCURSOR, VIEW_MEMBER(onSetCursor));
        HANDLE_MSG(window, WM_DESTROY, VIEW_MEMBER(onDestroy));
        HANDLE_MSG(window, WM_ACTIVATE, VIEW_MEMBER(onActivate));
        HANDLE_MSG(window, WM_TIMER, VIEW_MEMBER(onTimer));
    case WM_DPICHANGED:
        onDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kWakeMessage:
        m_queue->runQueued();
        return 0;
    case kFillMessage:
        m_fill->goOn();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

#undef VIEW_MEMBER

void Win32View::onCommand(HWND, int id, HWND control, UINT code)
{
    if (!m_form)
        return;
    if (control) {
        reportCommand(control, code);
    } else if (id == kSaveConfigId) {
        keepingFocus([&] { m_form->mnuConfig_Click(); });
    } else if (id == kExitId) {
        m_form->mnuExit_Click();
    } else if (id >= kFirstSetupEntryId && id < kFirstSetupEntryId + static_cast<int>(kEmulators.size())) {
        m_form->setupEntryClicked(static_cast<std::size_t>(id - kFirstSetupEntryId));
    }
}

void Win32View::reportCommand(HWND control, UINT code)
{
    Form1& form = *m_form;
    for (std::size_t i = 0; i < m_emulators.size(); ++i) {
        if (control == m_emulators[i].option && (code == BN_SETFOCUS || code == BN_KILLFOCUS))
            return (void)InvalidateRect(control, nullptr, TRUE);  // the cue is drawn or wiped whole
        if (control == m_emulators[i].option && code == BN_CLICKED) {
            keepOneOptionTabStop();  // the click moved the check
            return form.optionClicked(i);
        }
        if (control == m_emulators[i].picture && code == STN_CLICKED)
            return form.pictureClicked(i);
    }
    if (control == this->control("Command1") && code == BN_CLICKED)
        form.Command1_Click();
    else if (control == this->control("Label4") && code == STN_CLICKED)
        form.Label4_Click();
    else if (control == Dir1 && code == LBN_DBLCLK && ListBox_GetCurSel(Dir1) != LB_ERR)
        form.Dir1_DblClick(static_cast<std::size_t>(ListBox_GetCurSel(Dir1)));
}

void Win32View::onDestroy(HWND)
{
    closeQueue();
    PostQuitMessage(0);
}

}  // namespace varnix
