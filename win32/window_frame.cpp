// The Windows window: its frame, its controls' places and fonts for the monitor's DPI.
#include "win32/win32_view.h"

#include "core/emulator_table.h"
#include "core/form1.h"
#include "core/form1_layout.h"
#include "win32/controls.h"
#include "win32/resource_ids.h"
#include "win32/system_calls.h"

#include <windowsx.h>

#include <algorithm>

namespace varnix {
namespace {

constexpr char kWindowClass[] = "Varnix";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

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

}  // namespace

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
    createQueue();
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

BOOL Win32View::onCreate(HWND window, LPCREATESTRUCT)
{
    m_dpi = windowDpi(window);
    m_background = ResourcePicture(m_instance, "BACKGROUND");
    m_hand = LoadCursorA(m_instance, "HAND");
    m_brushes.emplace_back(0x000000, GdiObject<HBRUSH>(CreateSolidBrush(colourRef(0x000000))));
    for (const auto& spec : kControls) {
        if (spec.background && !brushFor(*spec.background))
            m_brushes.emplace_back(*spec.background, GdiObject<HBRUSH>(CreateSolidBrush(colourRef(*spec.background))));
        if (!spec.picture.empty())
            m_pictures.emplace_back(spec.picture,
                                         ResourcePicture(m_instance, std::string(spec.picture).c_str()));
    }
    createControls();  // at their places for the DPI already
    applyFonts(false);
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
    for (HWND list : {fileRoms, Dir1}) {
        m_tips.watch(list, [this, list](int row) { return cutName(list, row); });
        m_keys.watch(list, [this](HWND typedInto, const std::string& characters, DWORD timeMs) {
            if (m_form)
                m_form->listTyped(typedInto == fileRoms ? RomList::Files : RomList::Directories, characters,
                                  static_cast<std::uint32_t>(timeMs));
        });
    }
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

void Win32View::onDpiChanged(HWND window, UINT dpi, const RECT& suggested)
{
    m_dpi = dpi;
    placeControls();
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace varnix
