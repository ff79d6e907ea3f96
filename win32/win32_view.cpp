#include "win32/win32_view.h"

#include "core/emulator_table.h"
#include "core/form1.h"
#include "core/form1_layout.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/list_rows.h"
#include "win32/resource_ids.h"
#include "win32/system_calls.h"
#include "win32/system_function.h"
#include "win32/window_text.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

namespace varnix {
namespace {

constexpr char kWindowClass[] = "Varnix";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kDirectoryIndentPixels = 12;

std::size_t layoutIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].name == name)
            return i;
    return kControls.size();
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VARNIX));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VARNIX), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExA(&windowClass);
}

// A task handed to the window's thread; its LPARAM owns the task.
constexpr UINT kTaskMessage = WM_APP + 1;

}  // namespace

// Fills a list box with `count` texts in one go: redraw off, storage made
// for all of them first.
template <class TextAt>
void Win32View::fillList(HWND list, std::size_t count, TextAt textAt)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        bytes += textAt(i).size() + 1;
    SendMessageA(list, LB_INITSTORAGE, count, static_cast<LPARAM>(bytes));
    for (std::size_t i = 0; i < count; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(textAt(i).c_str()));
    if (m_readingNotice && m_readingNotice->holds(list))
        return;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

Win32View::Win32View(HINSTANCE instance) : m_instance(instance)
{
    static const bool registered = (registerWindowClass(instance, windowProcedure), true);
    (void)registered;
    const auto caption = std::string(kWindowCaption);
    // Made at its place for the system's DPI: moving a window costs time at
    // the start. showCentred corrects it for another DPI.
    const RECT frame = centredFrame(systemDpi());
    CreateWindowExA(0, kWindowClass, caption.c_str(), kWindowStyle, frame.left, frame.top, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, createMenuBar(), instance, this);
}

Win32View::~Win32View()
{
    if (IsWindow(m_window)) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);  // its last messages find no view
        DestroyWindow(m_window);
    }
}

void Win32View::attach(Form1& form)
{
    m_form = &form;
}

RECT Win32View::centredFrame(UINT dpi)
{
    RECT frame{0, 0, scaledPixels(kClientWidthTwips / kTwipsPerPixel, dpi),
               scaledPixels(kClientHeightTwips / kTwipsPerPixel, dpi)};
    adjustFrameForDpi(frame, kWindowStyle, true, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG left = work.left + (work.right - work.left - width) / 2;
    const LONG top = work.top + (work.bottom - work.top - height) / 2;
    return RECT{left, top, left + width, top + height};
}

void Win32View::showCentred(int showCommand)
{
    const LONG clientWidth = scaledPixels(kClientWidthTwips / kTwipsPerPixel, m_dpi);
    const LONG clientHeight = scaledPixels(kClientHeightTwips / kTwipsPerPixel, m_dpi);
    const auto place = [&](const RECT& frame) {
        SetWindowPos(m_window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const RECT frame = centredFrame(m_dpi);
    RECT now;
    GetWindowRect(m_window, &now);
    if (!EqualRect(&now, &frame))
        place(frame);
    // A menu bar that is taller than the system says (a large font) would
    // take its height from the client area: correct by what is missing.
    RECT client;
    GetClientRect(m_window, &client);
    if (client.right != clientWidth || client.bottom != clientHeight)
        place(RECT{frame.left, frame.top, frame.right + clientWidth - client.right,
                   frame.bottom + clientHeight - client.bottom});
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(fileRoms);
}

void Win32View::post(std::function<void()> task)
{
    auto* posted = new std::function<void()>(std::move(task));
    if (!PostMessageA(m_window, kTaskMessage, 0, reinterpret_cast<LPARAM>(posted)))
        delete posted;  // the window is gone: so is whatever the task was for
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
}

void Win32View::showReadEnded(RomList)
{
    m_readingNotice->stop();
}

void Win32View::updatePointer() const
{
    POINT at;
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under && (under == m_window || IsChild(m_window, under)))
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void Win32View::showFiles(std::shared_ptr<const std::vector<std::string>> names)
{
    m_files = std::move(names);  // drawn from here; the list box holds them too, for readers
    fillList(fileRoms, m_files->size(), [&](std::size_t i) -> const std::string& { return (*m_files)[i]; });
}

std::optional<std::size_t> Win32View::selectedFile() const
{
    const auto row = ListBox_GetCurSel(fileRoms);
    return row == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

void Win32View::showDirectories(std::shared_ptr<const DirectoryRows> rows)
{
    m_directories = std::move(rows);
    fillList(Dir1, m_directories ? m_directories->count() : 0,
             [&](std::size_t i) -> const std::string& { return m_directories->nameAt(i); });
}

template <class Show>
auto Win32View::keepingFocus(Show show)
{
    HWND focus = GetFocus();
    struct GiveBack {
        HWND focus;
        HWND window;
        ~GiveBack()
        {
            if (focus && IsChild(window, focus) && IsWindowEnabled(focus) && IsWindowVisible(focus))
                SetFocus(focus);
        }
    } giveBack{focus, m_window};
    return show();
}

void Win32View::messageBox(const std::string& text)
{
    keepingFocus([&] { return MessageBoxA(m_window, text.c_str(), "Varnix", MB_OK); });
}

bool Win32View::askYesNo(const std::string& question)
{
    return keepingFocus([&] { return MessageBoxA(m_window, question.c_str(), "Varnix", MB_YESNO | MB_DEFBUTTON2); }) ==
           IDYES;
}

std::string Win32View::inputBox(const std::string& prompt, const std::string& caption, const std::string& defaultText,
                                const FolderStart& browseStart)
{
    return keepingFocus([&] { return showInputBox(m_instance, m_window, prompt, caption, defaultText, browseStart); });
}

std::optional<std::string> Win32View::openFile(const std::vector<FileFilter>& filters, int filterIndex,
                                               const std::string& startPath)
{
    try {
        return keepingFocus([&] { return showOpenFileDialog(m_window, filters, filterIndex, startPath); });
    } catch (const Failure& failure) {
        messageBox(std::string("The Open dialog could not be shown: ") + failure.what());
        return std::nullopt;  // as Cancel: the setup goes on with the path chosen last
    }
}

void Win32View::keepOneOptionTabStop()
{
    const auto stop = optionTabStop(
        m_emulators.size(), [&](std::size_t i) { return IsWindowEnabled(m_emulators[i].option) != FALSE; },
        [&](std::size_t i) { return Button_GetCheck(m_emulators[i].option) == BST_CHECKED; });
    for (std::size_t i = 0; i < m_emulators.size(); ++i) {
        HWND option = m_emulators[i].option;
        const auto style = GetWindowLongPtrA(option, GWL_STYLE);
        const auto wanted = stop == i ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP);
        if (wanted != style)  // a style change is a round trip to the system
            SetWindowLongPtrA(option, GWL_STYLE, wanted);
    }
}

void Win32View::moveFocusOnFrom(HWND control)
{
    if (GetFocus() != control)
        return;
    // Not onto an unchecked option button: taking the focus can check it.
    const auto uncheckedOption = [this](HWND candidate) {
        const ControlSpec* spec = specOf(candidate);
        return spec && spec->kind == ControlKind::OptionButton && Button_GetCheck(candidate) != BST_CHECKED;
    };
    HWND next = control;
    for (std::size_t step = 0; step <= m_emulators.size(); ++step) {
        next = GetNextDlgTabItem(m_window, next, FALSE);
        if (!next || next == control || !uncheckedOption(next))
            break;
    }
    SetFocus(next && next != control ? next : m_window);
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

// ---- the window and its messages ----

LRESULT CALLBACK Win32View::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // An owner-drawn list reports each row it lets go, 50,000 of them when a
    // long list is replaced: answered first, with nothing to free.
    if (message == WM_DELETEITEM)
        return TRUE;
    if (message == kTaskMessage) {
        const std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
        (*task)();
        return 0;
    }
    if (message == WM_NCCREATE) {
        auto* view = static_cast<Win32View*>(reinterpret_cast<LPCREATESTRUCTA>(lParam)->lpCreateParams);
        view->m_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    if (!GetWindowLongPtrA(window, GWLP_USERDATA))
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, onCreate);
        HANDLE_MSG(window, WM_COMMAND, onCommand);
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, onCtlColor);
        HANDLE_MSG(window, WM_CTLCOLORBTN, onCtlColor);
        HANDLE_MSG(window, WM_CTLCOLORLISTBOX, onCtlColor);
        HANDLE_MSG(window, WM_ERASEBKGND, onEraseBkgnd);
        HANDLE_MSG(window, WM_DRAWITEM, onDrawItem);
        HANDLE_MSG(window, WM_NOTIFY, onNotify);
        HANDLE_MSG(window, WM_SETCURSOR, onSetCursor);
        HANDLE_MSG(window, WM_DESTROY, onDestroy);
        HANDLE_MSG(window, WM_ACTIVATE, onActivate);
    case WM_DPICHANGED:
        onDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

Win32View& Win32View::self(HWND window)
{
    return *reinterpret_cast<Win32View*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

BOOL Win32View::onCreate(HWND window, LPCREATESTRUCT)
{
    auto& view = self(window);
    view.m_dpi = windowDpi(window);
    view.m_background = ResourcePicture(view.m_instance, "BACKGROUND");
    view.m_hand = LoadCursorA(view.m_instance, "HAND");
    view.m_brushes.emplace_back(0x000000, GdiObject<HBRUSH>(CreateSolidBrush(colourRef(0x000000))));
    for (const auto& spec : kControls) {
        if (spec.background && !view.brushFor(*spec.background))
            view.m_brushes.emplace_back(*spec.background, GdiObject<HBRUSH>(CreateSolidBrush(colourRef(*spec.background))));
        if (!spec.picture.empty())
            view.m_pictures.emplace_back(spec.picture,
                                         ResourcePicture(view.m_instance, std::string(spec.picture).c_str()));
    }
    view.createControls();  // at their places for the DPI already
    view.applyFonts(false);
    return TRUE;
}

void Win32View::createControls()
{
    m_controls.assign(kControls.size(), nullptr);
    bool firstOption = true;
    for (const auto index : creationOrder()) {
        const bool isOption = kControls[index].kind == ControlKind::OptionButton;
        m_controls[index] = createControl(index, m_window, m_instance, isOption && firstOption, m_dpi);
        firstOption = firstOption && !isOption;
    }
    for (std::size_t i = 0; i < kEmulators.size(); ++i) {
        m_emulators[i].option = control(kEmulators[i].optionButton);
        m_emulators[i].picture = control(kEmulators[i].picture);
        m_emulators[i].box = control(kEmulators[i].parameterBox);
    }
    fileRoms = control("fileRoms");
    Dir1 = control("Dir1");
    m_readingNotice = std::make_unique<ReadingNotice>(m_window, m_instance, [this] {
        showListArea();
        updatePointer();
    });
    for (HWND list : {fileRoms, Dir1})
        m_tips.watch(list, [this, list](int row) { return cutName(list, row); });
    keepOneOptionTabStop();
}

void Win32View::placeControls()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const RECT rect = controlRect(kControls[i], m_dpi);
        SetWindowPos(m_controls[i], nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    applyFonts(true);
}

void Win32View::applyFonts(bool redraw)
{
    // One font object per distinct font of the layout, made anew for the DPI.
    std::vector<GdiObject<HFONT>> fonts;
    std::vector<std::size_t> fontOwners;  // the first control with each font
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const auto sameFont = [&](std::size_t owner) {
            const auto& a = kControls[owner].font;
            const auto& b = kControls[i].font;
            return a.has_value() == b.has_value() && (!a || (a->family == b->family && a->points == b->points));
        };
        const auto font = static_cast<std::size_t>(
            std::find_if(fontOwners.begin(), fontOwners.end(), sameFont) - fontOwners.begin());
        if (font == fontOwners.size()) {
            fonts.push_back(createControlFont(kControls[i], m_dpi));
            fontOwners.push_back(i);
        }
        SetWindowFont(m_controls[i], fonts[font].get(), redraw);
    }
    m_fonts = std::move(fonts);  // the ones the controls had go now
    // Both lists draw their rows themselves, one line of their font high: the
    // file list's as high as the system's own list draws them.
    for (HWND list : {fileRoms, Dir1}) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(ListFontDc(list).get(), &metrics);
        ListBox_SetItemHeight(list, 0, metrics.tmHeight + (list == Dir1 ? scaledPixels(2, m_dpi) : 0));
    }
}

void Win32View::onCommand(HWND window, int id, HWND control, UINT code)
{
    auto& view = self(window);
    if (!view.m_form)
        return;
    if (control) {
        view.reportCommand(control, code);
    } else if (id == kSaveConfigId) {
        view.keepingFocus([&] { view.m_form->mnuConfig_Click(); });
    } else if (id == kExitId) {
        view.m_form->mnuExit_Click();
    } else if (id >= kFirstSetupEntryId && id < kFirstSetupEntryId + static_cast<int>(kEmulators.size())) {
        view.m_form->setupEntryClicked(static_cast<std::size_t>(id - kFirstSetupEntryId));
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

HBRUSH Win32View::onCtlColor(HWND window, HDC dc, HWND control, int type)
{
    const auto& view = self(window);
    const ControlSpec* spec = view.specOf(control);
    if (!spec || !spec->background)  // the system's colours
        return reinterpret_cast<HBRUSH>(DefWindowProcA(window, WM_CTLCOLORMSGBOX + type,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    SetTextColor(dc, colourRef(spec->foreground.value_or(0)));
    SetBkColor(dc, colourRef(*spec->background));
    return view.brushFor(*spec->background);
}

BOOL Win32View::onEraseBkgnd(HWND window, HDC dc)
{
    const auto& view = self(window);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, view.brushFor(0x000000));
    // At its natural size, scaled for the monitor; the part beyond the
    // client area is cut off.
    view.drawAtNaturalSize(view.m_background, dc, 0, 0);
    return TRUE;
}

void Win32View::onDrawItem(HWND window, const DRAWITEMSTRUCT* item)
{
    const auto& view = self(window);
    if (item->hwndItem == view.Dir1 || item->hwndItem == view.fileRoms) {
        view.drawListRow(*item);
    } else if (item->hwndItem == view.m_readingNotice->control()) {
        const ControlSpec& list = *view.specOf(view.fileRoms);  // in the lists' colours
        view.m_readingNotice->draw(*item, colourRef(list.background.value_or(0xFFFFFF)),
                                   colourRef(list.foreground.value_or(0)));
    }
    else if (const ControlSpec* spec = view.specOf(item->hwndItem); spec && spec->kind == ControlKind::Picture)
        view.drawPicture(*item, *spec);
}

LRESULT Win32View::onNotify(HWND window, int, NMHDR* header)
{
    const auto& view = self(window);
    const ControlSpec* spec = view.specOf(header->hwndFrom);
    if (header->code != NM_CUSTOMDRAW || !spec || spec->kind != ControlKind::OptionButton)
        return 0;
    // The button draws its circle; its own focus cue would go round its
    // label, which is empty: a dot or a thin line beside the circle. The
    // window draws one round the circle instead.
    const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(header);
    if (draw.dwDrawStage == CDDS_PREPAINT)
        return CDRF_SKIPPOSTPAINT | CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage != CDDS_POSTPAINT)
        return CDRF_DODEFAULT;
    const bool cuesShown = !(SendMessageA(draw.hdr.hwndFrom, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (GetFocus() == draw.hdr.hwndFrom && cuesShown) {
        RECT client;
        GetClientRect(draw.hdr.hwndFrom, &client);
        const RECT cue = optionFocusCue(client, view.m_dpi);
        DrawFocusRect(draw.hdc, &cue);
    }
    return CDRF_SKIPPOSTPAINT;
}

void Win32View::drawPicture(const DRAWITEMSTRUCT& item, const ControlSpec& spec) const
{
    FillRect(item.hDC, &item.rcItem, brushFor(0x000000));
    const auto found = std::find_if(m_pictures.begin(), m_pictures.end(),
                                    [&](const auto& picture) { return picture.first == spec.picture; });
    if (found != m_pictures.end())
        drawAtNaturalSize(found->second, item.hDC, item.rcItem.left, item.rcItem.top);
}

void Win32View::drawAtNaturalSize(const ResourcePicture& picture, HDC dc, int x, int y) const
{
    if (picture)
        picture.draw(dc, x, y, scaledPixels(picture.width(), m_dpi), scaledPixels(picture.height(), m_dpi));
}

Win32View::RowText Win32View::rowText(HWND list, UINT row) const
{
    RowText text{nullptr, 1};  // where the system's own list puts it, at every DPI
    if (list == fileRoms && m_files && row < m_files->size()) {
        text.name = &(*m_files)[row];
    } else if (list == Dir1 && m_directories && row < m_directories->count()) {
        text.name = &m_directories->nameAt(row);
        text.left = scaledPixels(2 + kDirectoryIndentPixels * static_cast<int>(m_directories->depthOf(row)), m_dpi);
    }
    return text;
}

void Win32View::drawListRow(const DRAWITEMSTRUCT& item) const
{
    const ControlSpec& spec = *specOf(item.hwndItem);
    const RowText text = rowText(item.hwndItem, item.itemID);
    paintListRow(item, item.hwndItem, text.name, item.rcItem.left + text.left,
                 colourRef(spec.foreground.value_or(0)), brushFor(spec.background.value_or(0xFFFFFF)));
}

std::optional<std::string> Win32View::cutName(HWND list, int row) const
{
    const RowText text = rowText(list, static_cast<UINT>(row));
    RECT rect{};
    if (!text.name || ListBox_GetItemRect(list, row, &rect) == LB_ERR)
        return std::nullopt;
    const bool cut =
        shownRowText(ListFontDc(list).get(), *text.name, rowTextWidth(rect, rect.left + text.left)) != *text.name;
    return cut ? std::optional<std::string>(*text.name) : std::nullopt;
}

BOOL Win32View::onSetCursor(HWND window, HWND under, UINT hitTest, UINT mouseMessage)
{
    const auto& view = self(window);
    // Working, still usable: over the whole window while a slow read lasts.
    if (hitTest == HTCLIENT && view.m_readingNotice && view.m_readingNotice->isShown()) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32650)));  // IDC_APPSTARTING
        return TRUE;
    }
    const ControlSpec* spec = view.specOf(under);
    if (spec && spec->pointingHand && view.m_hand) {
        SetCursor(view.m_hand);
        return TRUE;
    }
    return static_cast<BOOL>(DefWindowProcA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                                            MAKELPARAM(hitTest, mouseMessage)));
}

void Win32View::onDestroy(HWND)
{
    PostQuitMessage(0);
}

void Win32View::onActivate(HWND window, UINT state, HWND other, BOOL minimized)
{
    // As a dialog does: the control that had the focus gets it back when the
    // window is active again (after a modal box, or another program).
    auto& view = self(window);
    HWND focus = GetFocus();
    if (state == WA_INACTIVE) {
        if (focus && IsChild(window, focus))
            view.m_focusWhileInactive = focus;
        return;
    }
    if (!minimized && IsWindow(view.m_focusWhileInactive) && IsWindowEnabled(view.m_focusWhileInactive))
        SetFocus(view.m_focusWhileInactive);
    else
        FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

void Win32View::onDpiChanged(HWND window, UINT dpi, const RECT& suggested)
{
    auto& view = self(window);
    view.m_dpi = dpi;
    view.placeControls();
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

HBRUSH Win32View::brushFor(Rgb colour) const
{
    for (const auto& [rgb, brush] : m_brushes)
        if (rgb == colour)
            return brush.get();
    return nullptr;
}

const ControlSpec* Win32View::specOf(HWND control) const
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), control);
    return found == m_controls.end() || !control ? nullptr : &kControls[static_cast<std::size_t>(found - m_controls.begin())];
}

}  // namespace varnix
