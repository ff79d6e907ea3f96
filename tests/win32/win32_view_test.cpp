#include "core/browse_start.h"
#include "core/config_record.h"
#include "core/form1.h"
#include "core/form1_layout.h"
#include "support/fake_system.h"
#include "support/temp_dir.h"
#include "system/ansi_text.h"
#include "win32/resource_ids.h"
#include "win32/controls.h"
#include "win32/list_rows.h"
#include "win32/system_calls.h"
#include "win32/system_function.h"
#include "win32/win32_view.h"

#include <gtest/gtest.h>

#include <atomic>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

#include <direct.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace varnix;

namespace {

std::string textOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

const ControlSpec& specOf(HWND control)
{
    return kControls.at(static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId));
}

// The pixels `draw` leaves on a canvas of the given size.
template <class Draw>
std::vector<std::uint32_t> canvas(int width, int height, Draw draw)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::uint32_t*>(bits), static_cast<std::uint32_t*>(bits) + width * height);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The screen's DPI, as the system reports it to every program.
int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// While it lives, the calls newer than Windows 7 are missing, or all there
// as the system has them: the window takes the older system's way.
struct NewerCallsAs {
    explicit NewerCallsAs(bool missing) : kept(newerSystemCalls())
    {
        if (missing)
            newerSystemCalls() = {};
    }
    ~NewerCallsAs() { newerSystemCalls() = kept; }
    NewerSystemCalls kept;
};

// The dialog `owner` shows, once it is up; null after about ten seconds.
HWND dialogOwnedBy(HWND owner)
{
    for (int tries = 0; tries < 1000; ++tries, Sleep(10))
        for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));)
            if (GetWindow(box, GW_OWNER) == owner && IsWindowVisible(box))
                return box;
    return nullptr;
}

// Presses Enter on the next "Varnix" box, as a user would: its default button.
std::thread pressEnter()
{
    return std::thread([] {
        for (int tries = 0; tries < 500; ++tries, Sleep(10))
            if (HWND box = FindWindowA("#32770", "Varnix"))
                return (void)PostMessageA(box, WM_COMMAND, LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0)), 0);
    });
}

// The real window over Form1 and a system that records starts: SNES set up
// with two ROMs, Genesis not set up. Made on the system as it is, and as
// Windows 7 would make it, without the newer calls.
class Win32ViewTest : public ::testing::TestWithParam<bool> {
protected:
    Win32ViewTest() : system(dir.file("program"), dir.file("start"))
    {
        dir.write("r/snes/b.smc", "");
        dir.write("r/snes/A.smc", "");
        ConfigRecord record;
        record.set(Field::SnesExe, dir.file("emu.exe"));
        record.set(Field::SnesRomDir, dir.file("r/snes"));
        record.set(Field::SnesParams, "-s");
        record.set(Field::MameExe, dir.file("mame.exe"));
        record.set(Field::MameRomDir, dir.file("r/snes"));
        dir.write("r/neo/mslug/m.p1", "");
        record.set(Field::NeoRageExe, dir.file("neo.exe"));
        record.set(Field::NeoRageRomDir, dir.file("r/neo"));
        dir.write("start/varnix.dat", std::string(record.bytes()));
        dir.write("program/keep", "");
        view.attach(form);
        form.Form_Load();
        view.showCentred(SW_SHOWNOACTIVATE);
    }
    void command(HWND control, UINT code)
    {
        SendMessageA(view.window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                     reinterpret_cast<LPARAM>(control));
    }
    void menu(int id) { SendMessageA(view.window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    NewerCallsAs calls{GetParam()};
    TempDir dir;
    FakeSystem system;
    Win32View view{GetModuleHandleA(nullptr)};
    Form1 form{view, system};
};

INSTANTIATE_TEST_SUITE_P(, Win32ViewTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "WithoutTheNewerCalls" : "WithTheNewerCalls"; });

}  // namespace

TEST_P(Win32ViewTest, ControlsSitAtTheirPixelsForTheScreensDpiInTabOrderWithTheirTexts)
{
    // Twips / 15 are pixels at 96 dpi; at 144 dpi everything is half as large again.
    const int dpi = screenDpi();
    const auto pixels = [&](int twips) { return static_cast<int>(std::lround(twips / 15 * dpi / 96.0)); };
    RECT client;
    GetClientRect(view.window(), &client);
    EXPECT_EQ(client.right, pixels(kClientWidthTwips)) << dpi << " dpi";
    EXPECT_EQ(client.bottom, pixels(kClientHeightTwips)) << dpi << " dpi";
    for (const auto& spec : kControls) {
        RECT rect;
        GetWindowRect(view.control(spec.name), &rect);
        MapWindowPoints(nullptr, view.window(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, pixels(spec.left)) << spec.name << " at " << dpi << " dpi";
        EXPECT_EQ(rect.top, pixels(spec.top)) << spec.name << " at " << dpi << " dpi";
        EXPECT_EQ(rect.right - rect.left, pixels(spec.width)) << spec.name << " at " << dpi << " dpi";
        EXPECT_EQ(rect.bottom - rect.top, pixels(spec.height)) << spec.name << " at " << dpi << " dpi";
    }
    // Tab goes through the controls in their stacking order; pictures and
    // labels take no focus.
    std::vector<std::string_view> tabOrder;
    for (HWND child = GetWindow(view.window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == kReadingNoticeId)  // no control until a read is slow
            continue;
        if (specOf(child).kind != ControlKind::Picture && specOf(child).kind != ControlKind::Label)
            tabOrder.push_back(specOf(child).name);
    }
    EXPECT_EQ(tabOrder, (std::vector<std::string_view>{"fileRoms", "optSnes", "optGenesis", "optNeoRage", "optMAME",
                                                  "Text1", "Text2", "Text3", "Text4", "Dir1", "Command1"}));
    EXPECT_EQ(textOf(view.control("optNeoRage")), "NeoRage");
    EXPECT_EQ(textOf(view.control("Command1")), "PLAY");
    EXPECT_EQ(textOf(view.window()), "Varnix   v0.31");
}

TEST_P(Win32ViewTest, TheBackgroundAndThePicturesLookAsTheSystemLoadsThem)
{
    if (screenDpi() != 96)
        GTEST_SKIP() << "the display is not at 96 dpi";
    std::vector<std::pair<std::string, HWND>> pictures{{"BACKGROUND", view.window()}};
    for (const auto& spec : kControls)
        if (!spec.picture.empty())
            pictures.emplace_back(spec.picture, view.control(spec.name));
    for (const auto& [name, control] : pictures) {
        auto* loaded = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP size{};
        ASSERT_TRUE(GetObjectA(loaded, sizeof size, &size)) << name;
        const auto expected = canvas(size.bmWidth, size.bmHeight, [&](HDC dc) {
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ previous = SelectObject(memory, loaded);
            BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
            SelectObject(memory, previous);
            DeleteDC(memory);
        });
        const auto shown = canvas(size.bmWidth, size.bmHeight, [&](HDC dc) {
            if (control == view.window())
                return (void)SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            DRAWITEMSTRUCT item{ODT_STATIC, 0, 0, ODA_DRAWENTIRE, 0, control, dc, {0, 0, size.bmWidth, size.bmHeight}, 0};
            SendMessageA(view.window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        });
        EXPECT_TRUE(shown == expected) << name;
        DeleteObject(loaded);
    }
}

TEST_P(Win32ViewTest, ShowsWhatForm1SetsAndReportsEachControl)
{
    HMENU setup = GetSubMenu(GetMenu(view.window()), 1);
    EXPECT_TRUE(GetMenuState(setup, kFirstSetupEntryId + 0, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(setup, kFirstSetupEntryId + 1, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(view.control("optGenesis")));
    EXPECT_EQ(textOf(view.control("Text2")), "Not Setup");
    EXPECT_EQ(textOf(view.control("Text1")), std::string("-s").append(28, ' '));

    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    HWND files = view.control("fileRoms");
    ASSERT_EQ(ListBox_GetCount(files), 2);
    char name[16] = {};
    ListBox_GetText(files, 0, name);
    EXPECT_STREQ(name, "A.smc");  // in the core's order, not the list box's
    EXPECT_EQ(Button_GetCheck(view.control("optSnes")), BST_CHECKED);

    ListBox_SetCurSel(files, 1);
    command(view.control("Command1"), BN_CLICKED);
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].line.substr(system.starts[0].line.size() - 6), " b.smc");

    SetWindowTextA(view.control("Text1"), "-typed");  // as the user's typing leaves it
    Edit_SetModify(view.control("Text1"), TRUE);
    menu(kSaveConfigId);
    EXPECT_EQ(dir.read("program/varnix.dat").substr(230, 30), std::string("-typed").append(24, ' '));

    menu(kExitId);
    EXPECT_FALSE(IsWindow(view.window()));
    MSG quit;  // taken here, or the next test's modal loops would end at once
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_P(Win32ViewTest, AFocusedOptionButtonDrawsItsCircleAndACueRoundItAndNothingElse)
{
    HWND option = view.control("optSnes");
    SendMessageA(view.window(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);  // as Tab does
    SetFocus(option);
    ASSERT_EQ(GetFocus(), option);
    RECT client;
    GetClientRect(option, &client);
    const auto pixels = canvas(client.right, client.bottom, [&](HDC dc) {
        SendMessageA(option, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
    const auto drawn = [&](int x, int y) { return (pixels[y * client.right + x] & 0xFFFFFF) != 0; };  // not black
    const RECT cue = optionFocusCue(client, screenDpi());
    int cueDots = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            if (y < cue.top || y >= cue.bottom || x >= cue.right)
                EXPECT_FALSE(drawn(x, y)) << "drawn at " << x << "," << y << " outside the cue";
            else if (y == cue.top && drawn(x, y))
                ++cueDots;
        }
    EXPECT_GT(cueDots, 3) << "no focus cue above the circle";
}

TEST_P(Win32ViewTest, TheOpenDialogComesUp)
{
    std::string shown;
    std::thread cancel([&] {
        HWND box = dialogOwnedBy(view.window());
        shown = textOf(box);
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    const auto chosen = view.openFile({{"All files", "*.*"}}, 1, "");
    EXPECT_FALSE(chosen);
    cancel.join();
    EXPECT_FALSE(shown.empty());
    EXPECT_NE(shown, "Varnix") << "the dialog could not be loaded";
}

TEST_P(Win32ViewTest, TheRomDirectoryBoxBrowsesForAFolderFromWhatItsTextNames)
{
    // "Łódź", which neither code page 1252 nor 932 holds, holding an emulator.
    const auto lodz = std::filesystem::path(dir.path()) / L"\x0141\x00F3" L"d\x017A";
    std::filesystem::create_directories(lodz);
    std::ofstream(lodz / L"emu.exe") << "emulator";
    const auto lodzAnsi = ansiPath(lodz.wstring()), snes = dir.file("r/snes");
    std::vector<std::string> texts;
    std::thread user([&] {
        HWND box = dialogOwnedBy(view.window());
        HWND field = GetDlgItem(box, IDC_INPUT_TEXT), browse = GetDlgItem(box, IDC_INPUT_BROWSE);
        EXPECT_EQ(textOf(browse), "&Browse...");
        EXPECT_TRUE(GetNextDlgTabItem(box, field, FALSE) == browse &&
                    GetNextDlgTabItem(box, browse, FALSE) == GetDlgItem(box, IDOK)) << "Tab: text, Browse, OK";
        // Browse from `text`, then OK (the folder the dialog started in) or Cancel.
        const auto browseFrom = [&](const std::string& text, UINT answer) {
            SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            PostMessageA(box, WM_COMMAND, IDC_INPUT_BROWSE, 0);
            HWND folders = dialogOwnedBy(box);
            Sleep(200);  // its start folder is selected as it comes up
            PostMessageA(folders, WM_COMMAND, answer, 0);
            for (int tries = 0; tries < 500 && IsWindow(folders); ++tries)
                Sleep(10);
            texts.push_back(textOf(field));
        };
        browseFrom(snes + "\\gone", IDCANCEL);
        // Wine's modern dialog takes no OK without a folder picked in it:
        // what comes back is tried on the older one.
        if (GetParam())
            for (const auto& text : {snes, snes + "\\gone", lodzAnsi + "\\emu.exe"})
                browseFrom(text, IDOK);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const auto answer = view.inputBox("Please enter your SNES ROM directory", "Rom Directory", "",
                                      [&](auto& text) { return browseStartFolder(system, dir.path(), text); });
    user.join();
    const std::vector<std::string> browsed{snes + "\\gone", snes, snes, lodzAnsi};
    EXPECT_EQ(texts, std::vector(browsed.begin(), browsed.begin() + (GetParam() ? 4 : 1)))
        << "Cancel keeps the text; a folder, the nearest above, a file's folder in a form that opens it";
    EXPECT_EQ(answer, GetParam() ? lodzAnsi : snes + "\\gone");
    EXPECT_EQ(lodzAnsi.find('?'), std::string::npos);
}

TEST(SystemFunction, LoadsOnlyFromTheSystemsFolderWithOrWithoutTheSearchFlag)
{
    // A DLL that a plain search finds in the current directory, as a ROM
    // folder could hold one.
    TempDir dir;
    std::filesystem::copy_file(VARNIX_PROBE_DLL, dir.file("varnix_probe.dll"));
    const auto previous = std::filesystem::current_path();
    ASSERT_EQ(_chdir(dir.path().c_str()), 0);
    HMODULE plain = LoadLibraryW(L"varnix_probe.dll");
    EXPECT_TRUE(plain) << "the probe is not a DLL that loads";
    FreeLibrary(plain);
    for (const bool missing : {false, true}) {
        NewerCallsAs calls(missing);
        EXPECT_THROW(systemFunction<void()>(L"varnix_probe.dll", "varnixProbe"), Failure) << missing;
        EXPECT_TRUE(systemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW")) << missing;
        EXPECT_TRUE(systemFunction<decltype(ShellExecuteA)>(L"shell32.dll", "ShellExecuteA")) << missing;
        EXPECT_THROW(systemFunction<decltype(GetOpenFileNameW)>(L"kernel32.dll", "GetOpenFileNameW"), Failure);
    }
    std::filesystem::current_path(previous);
}

TEST(Resources, TheManifestNamesItsProcessorAndAsksForNoRaisedRights)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_TRUE(found);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    const bool x86 = sizeof(void*) == 4;
    EXPECT_NE(manifest.find(x86 ? R"(processorArchitecture="x86")" : R"(processorArchitecture="amd64")"),
              std::string::npos);
    EXPECT_NE(manifest.find(R"(level="asInvoker")"), std::string::npos);
}

TEST_P(Win32ViewTest, TheOptionButtonsAreOneTabStopAndTheFocusComesBackAfterABox)
{
    const auto optionStops = [&] {  // the option buttons Tab reaches, once round
        std::vector<std::string_view> stops;
        HWND first = view.control("fileRoms");
        for (HWND at = first; (at = GetNextDlgTabItem(view.window(), at, FALSE)) != first;)
            if (specOf(at).kind == ControlKind::OptionButton)
                stops.push_back(specOf(at).name);
        return stops;
    };
    EXPECT_EQ(optionStops(), std::vector<std::string_view>{"optSnes"}) << "none checked: the first enabled one";

    std::filesystem::remove_all(dir.file("r/snes"));  // the choice fails
    SetFocus(view.control("optSnes"));
    auto ok = pressEnter();
    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    ok.join();
    EXPECT_EQ(optionStops(), std::vector<std::string_view>{"optNeoRage"});
    EXPECT_TRUE(GetFocus() && IsWindowEnabled(GetFocus())) << "the focus moved on from the disabled button";

    SetFocus(view.control("Text4"));
    ok = pressEnter();
    view.messageBox("a message");
    ok.join();
    EXPECT_EQ(GetFocus(), view.control("Text4"));
    ok = pressEnter();
    EXPECT_FALSE(view.askYesNo("Save anyway?")) << "No is the default";
    ok.join();
}

TEST_P(Win32ViewTest, ALongNameIsDrawnCutInTheMiddleAndShownWholeOnHover)
{
    const std::string revision = "Final Fantasy III (USA) (Rev 1).sfc", first = "Final Fantasy III (USA).sfc";
    dir.write("r/snes/" + revision, "");
    dir.write("r/snes/" + first, "");
    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    HWND files = view.control("fileRoms");
    ASSERT_EQ(ListBox_GetCount(files), 4);  // A.smc, b.smc, then the two
    RECT row;
    ListBox_GetItemRect(files, 0, &row);
    OffsetRect(&row, -row.left, -row.top);
    // A row's pixels, as the list draws it, and as the text alone would be
    // drawn where the system's own list puts it.
    const auto drawn = [&](int index) {
        return canvas(row.right, row.bottom, [&](HDC dc) {
            DRAWITEMSTRUCT item{ODT_LISTBOX, 0, static_cast<UINT>(index), ODA_DRAWENTIRE, 0, files, dc, row, 0};
            SendMessageA(view.window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        });
    };
    std::string shown;
    const auto plain = [&](const std::string& name) {
        return canvas(row.right, row.bottom, [&](HDC dc) {
            SelectObject(dc, GetWindowFont(files));
            shown = shownRowText(dc, name, rowTextWidth(row, 1));
            HBRUSH background = CreateSolidBrush(RGB(192, 192, 255));
            FillRect(dc, &row, background);
            DeleteObject(background);
            SetBkMode(dc, TRANSPARENT);
            RECT text{1, 0, row.right, row.bottom};
            DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        });
    };
    EXPECT_TRUE(drawn(0) == plain("A.smc")) << "a name that fits is drawn whole, as before";
    EXPECT_EQ(shown, "A.smc");
    EXPECT_TRUE(drawn(2) == plain(revision));
    const auto revisionShown = shown;
    EXPECT_TRUE(revisionShown.rfind("Final F", 0) == 0 && revisionShown.ends_with("(Rev 1).sfc")) << revisionShown;
    EXPECT_TRUE(drawn(3) == plain(first));
    EXPECT_TRUE(shown.ends_with("(USA).sfc") && shown != revisionShown) << shown;

    // The pointer rests on a row; the tooltip, once made, is this thread's.
    const auto pointAt = [&](int index) {
        RECT at;
        ListBox_GetItemRect(files, index, &at);
        POINT point{(at.left + at.right) / 2, (at.top + at.bottom) / 2}, screen = point;
        ClientToScreen(files, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(files, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    };
    const auto tooltip = [] { return FindWindowA(TOOLTIPS_CLASSA, nullptr); };
    const auto waitForTip = [&](bool visible) {
        for (int tries = 0; tries < 300; ++tries, Sleep(10)) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            if (tooltip() && IsWindowVisible(tooltip()) == visible)
                return true;
        }
        return false;
    };
    pointAt(0);
    EXPECT_FALSE(tooltip()) << "nothing is made or loaded for a name drawn whole";
    pointAt(2);
    ASSERT_TRUE(waitForTip(true)) << "no tooltip over a cut name";
    char text[128] = {};
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = files;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(tooltip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(text), revision);
    pointAt(1);
    EXPECT_TRUE(waitForTip(false)) << "the tooltip stays over a name drawn whole";

    ListBox_SetCurSel(files, 2);
    command(view.control("Command1"), BN_CLICKED);
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_TRUE(system.starts[0].line.ends_with(" \"" + revision + "\"")) << system.starts[0].line;
}

TEST_P(Win32ViewTest, WhileAReadIsHeldTheWindowAnswersAndOnlyASlowReadSaysSoUnderTheBusyPointer)
{
    const auto pumpUntil = [](auto done) {
        for (int tries = 0; tries < 500 && !done(); ++tries) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
        return done();
    };
    const auto pointer = [&] {
        SendMessageA(view.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(view.control("Command1")),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    const HCURSOR busy = LoadCursorA(nullptr, MAKEINTRESOURCEA(32650));  // IDC_APPSTARTING
    HWND files = view.control("fileRoms");
    HWND notice = GetDlgItem(view.window(), kReadingNoticeId);
    ASSERT_TRUE(notice);

    // A read's end posted from a worker runs on the window's thread.
    DWORD ranOn = 0;
    std::thread([&] { view.queue()->post([&] { ranOn = GetCurrentThreadId(); }); }).join();
    EXPECT_TRUE(pumpUntil([&] { return ranOn != 0; }));
    EXPECT_EQ(ranOn, GetCurrentThreadId());

    system.holdReads = true;
    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    ASSERT_EQ(system.heldReads.size(), 1u);
    system.endRead(0);  // a quick read: the list as ever, nothing said
    EXPECT_EQ(ListBox_GetCount(files), 2);
    EXPECT_FALSE(IsWindowVisible(notice));
    EXPECT_NE(pointer(), busy);

    SendMessageA(view.control("optMAME"), BM_CLICK, 0, 0);
    ASSERT_EQ(system.heldReads.size(), 1u);
    system.heldReads[0].progress->store(42);
    EXPECT_EQ(ListBox_GetCount(files), 0) << "nothing of another folder";
    // The window's thread is free: a click on another option is handled.
    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    EXPECT_EQ(Button_GetCheck(view.control("optSnes")), BST_CHECKED);
    ASSERT_EQ(system.heldReads.size(), 2u);
    system.heldReads[1].progress->store(7);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(notice); }));
    EXPECT_EQ(textOf(notice), "Reading the folder...\n7 names so far") << "the latest read's count";
    EXPECT_FALSE(IsWindowVisible(files)) << "the notice stands in its place";
    EXPECT_EQ(pointer(), busy);
    system.heldReads[1].progress->store(8);
    EXPECT_TRUE(pumpUntil([&] { return textOf(notice) == "Reading the folder...\n8 names so far"; }));

    system.endRead(0);  // MAME's, superseded: shows nothing
    EXPECT_TRUE(IsWindowVisible(notice));
    system.endRead(0);
    EXPECT_FALSE(IsWindowVisible(notice));
    EXPECT_TRUE(IsWindowVisible(files));
    EXPECT_EQ(ListBox_GetCount(files), 2);
    EXPECT_NE(pointer(), busy);
}

TEST_P(Win32ViewTest, AReadThatEndsWhileABoxIsOpenFillsTheListOnlyOnceTheBoxIsClosed)
{
    system.holdReads = true;
    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    ASSERT_EQ(system.heldReads.size(), 1u);
    HWND files = view.control("fileRoms");
    std::atomic<int> meanwhile = -1;
    // The read's end comes as a worker's would, through the queue, into the
    // loop of "No file selected!"; then the user closes the box.
    std::thread user([&] {
        HWND box = dialogOwnedBy(view.window());
        view.queue()->post([&] {
            system.endRead(0);
            meanwhile = ListBox_GetCount(files);
        });
        for (int tries = 0; tries < 500 && meanwhile < 0; ++tries)
            Sleep(10);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    command(view.control("Command1"), BN_CLICKED);
    user.join();
    EXPECT_EQ(meanwhile, 0) << "nothing fills under the box";
    EXPECT_EQ(ListBox_GetCount(files), 2);
    EXPECT_TRUE(system.starts.empty());
}

TEST_P(Win32ViewTest, ALongListFillsASliceAtATimeAndANewOneReplacesItAnyTime)
{
    auto many = std::make_shared<std::vector<std::string>>();
    for (int i = 0; i < 50000; ++i)
        many->push_back("game" + std::to_string(i) + ".zip");
    HWND files = view.control("fileRoms");
    view.showFiles(many);
    view.showFiles(std::make_shared<const std::vector<std::string>>(std::vector<std::string>{"one.zip"}));
    view.showFiles(many);
    view.selectRow(RomList::Files, 49999);  // typed for while the list fills
    MSG message;
    for (int tries = 0; tries < 2000 && view.listsFilling(); ++tries)
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    EXPECT_FALSE(view.listsFilling());
    ASSERT_EQ(ListBox_GetCount(files), 50000) << "each name once, none of the fills given up";
    char name[32] = {};
    ListBox_GetText(files, 49999, name);
    EXPECT_STREQ(name, "game49999.zip") << "held as strings, for screen readers";
    EXPECT_EQ(ListBox_GetCurSel(files), 49999);
}

TEST(Win32Queue, TasksLeftWhenTheWindowGoesAreFreedUnrunAndLaterOnesRefused)
{
    const auto held = std::make_shared<int>(0);
    bool ran = false;
    std::shared_ptr<WindowQueue> queue;
    {
        Win32View view(GetModuleHandleA(nullptr));
        queue = view.queue();
        ASSERT_TRUE(queue->post([held, &ran] { ran = true; }));
        EXPECT_EQ(held.use_count(), 2);
    }
    EXPECT_EQ(held.use_count(), 1);
    EXPECT_FALSE(queue->post([held] {}));
    EXPECT_EQ(held.use_count(), 1);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_FALSE(ran);
}

TEST_P(Win32ViewTest, LettersTypedInARowFindARowUntilAPauseAndOtherKeysStayTheLists)
{
    for (const std::string name : {"c0.smc", "sf2ce.smc", "zelda.smc"})  // "c" alone finds c0.smc
        dir.write("r/snes/" + name, "");
    const bool japanese = GetACP() == 932;
    if (japanese)
        std::ofstream(std::filesystem::path(dir.file("r/snes")) / L"\x30A2.smc");  // 83 41: its second byte is "A"
    SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
    HWND files = view.control("fileRoms"), games = view.control("Dir1");
    SetForegroundWindow(view.window());
    SetFocus(files);
    // Keys as the keyboard's, each with its own time, through a window's loop.
    const auto press = [&](const std::wstring& text, DWORD timeMs) {
        for (const wchar_t c : text)
            for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
                INPUT key{INPUT_KEYBOARD, {}};
                key.ki = {0, static_cast<WORD>(c), KEYEVENTF_UNICODE | up, timeMs, 0};
                SendInput(1, &key, sizeof key);
            }
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); DispatchMessageA(&message))
            TranslateMessage(&message);
    };
    const auto selected = [](HWND list) {
        char name[64] = {};
        ListBox_GetText(list, ListBox_GetCurSel(list), name);
        return std::string(name);
    };
    press(L"SF2c", 100000);
    EXPECT_EQ(selected(files), "sf2ce.smc");
    press(L"z", 100999);
    EXPECT_EQ(selected(files), "sf2ce.smc") << "\"sf2cz\" finds nothing";
    press(L"z", 101999);
    EXPECT_EQ(selected(files), "zelda.smc") << "after a pause, a new search";

    SendMessageA(view.control("optNeoRage"), BM_CLICK, 0, 0);
    SetFocus(games);
    press(L"ms", 105000);
    EXPECT_EQ(selected(games), "mslug");
    if (japanese) {  // whole, as an input method sends it: Wine's keys send each byte alone
        SendMessageA(view.control("optSnes"), BM_CLICK, 0, 0);
        SendMessageA(files, WM_IME_CHAR, 0x8341, 0);
        EXPECT_EQ(selected(files), "\x83\x41.smc");
    }
}
