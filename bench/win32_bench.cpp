// Times the Windows window against bare Win32 doing the least the same job
// needs, in the same run (under Wine here):
//   - selecting an emulator whose ROM directory holds 50,000 files (listing,
//     order, list filled and painted) against a bare FindFirstFileA listing;
//   - the window on screen (created, loaded, shown, painted) against a bare
//     window of the same size with a menu;
//   - a name typed into the list of 50,000: the row found, selected and
//     drawn, and the search that finds nothing.
// Prints the median of several runs. Run by bench/win32_bench.sh, which makes
// the ROM directory quickly from the Linux side; given none, it makes its own
// once, which takes minutes under Wine.
#include "bench/bare_window.h"
#include "core/config_record.h"
#include "core/emulator_table.h"
#include "core/form1.h"
#include "core/type_ahead.h"
#include "system/encoding.h"
#include "system/directory_listing.h"
#include "system/machine.h"
#include "win32/resource_picture.h"
#include "win32/win32_view.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace varnix;

namespace {

constexpr int kFiles = 50000;
constexpr int kRuns = 9;

double milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// `given`: a directory that holds the ROM files already, or null.
std::string makeWorkspace(const char* given)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "varnix-bench";
    const std::string roms = given ? given : root + "\\roms";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\empty").c_str(), nullptr);
    if (!given && CreateDirectoryA(roms.c_str(), nullptr)) {  // made once, kept for later runs
        // Wine looks through the whole directory for each new name, so this
        // grows with the square of the count: about five minutes here.
        std::printf("making %d ROM files in %s, once (minutes under Wine)\n", kFiles, roms.c_str());
        std::fflush(stdout);
        for (int i = 0; i < kFiles; ++i) {
            const auto name = roms + "\\Game " + std::to_string(i * 7919 % kFiles) + ".smc";
            CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        }
    }
    ConfigRecord record;
    record.set(Field::SnesExe, "C:\\emu\\snes.exe");
    record.set(Field::SnesRomDir, roms);
    record.set(Field::GenesisExe, "C:\\emu\\gens.exe");
    record.set(Field::GenesisRomDir, root + "\\empty");
    std::ofstream(root + "\\varnix.dat", std::ios::binary) << std::string(record.bytes());
    SetCurrentDirectoryA(root.c_str());
    return roms;
}

int bareListing(const std::string& directory)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((directory + "\\*").c_str(), &data);
    int count = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do
        ++count;
    while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

HWND bareWindow(HINSTANCE instance)
{
    HWND window = showBareWindow(instance, "Bare", SW_SHOWNOACTIVATE);
    pumpMessages();
    return window;
}

// The machine as the program has it: folders read on workers whose ends are
// posted to `view`.
struct ReadingMachine {
    explicit ReadingMachine(Win32View& view)
    {
        machine.readFoldersOffThread(view.queue());
    }
    Machine machine;
};

// Until the read under way has come back to the window's thread and its
// list holds all its names.
void waitForRead(const Form1& form, const Win32View& view)
{
    MSG message;
    while ((form.readUnderWay() || view.listsFilling()) && GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}

struct VarnixWindow {
    explicit VarnixWindow(HINSTANCE instance) : view(instance), reading(view), form(view, reading.machine)
    {
        view.attach(form);
        form.Form_Load();
        view.showCentred(SW_SHOWNOACTIVATE);
        pumpMessages();
    }
    Win32View view;
    ReadingMachine reading;
    Form1 form;
};

}  // namespace

int main(int argc, char** argv)
{
    useSystemEncoding();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const auto roms = makeWorkspace(argc > 1 ? argv[1] : nullptr);
    Machine machine;

    std::vector<double> bareShown, varnixShown;
    // Only until the window is on screen: closing a window waits for a
    // window manager, which a virtual display may not have.
    for (int run = 0; run < kRuns; ++run) {
        HWND bare = nullptr;
        bareShown.push_back(milliseconds([&] { bare = bareWindow(instance); }));
        DestroyWindow(bare);
        std::unique_ptr<VarnixWindow> shown;
        varnixShown.push_back(milliseconds([&] { shown = std::make_unique<VarnixWindow>(instance); }));
        waitForRead(shown->form, shown->view);
        shown.reset();
        pumpMessages();
    }

    // The start's steps, each timed alone: the pictures from the resources,
    // the window with its controls and fonts (pictures included), Form1's
    // creation (the start directory's first list), Form_Load (the file's
    // read), the show with the first paint. A process pays more for each
    // the first time: bench/win32_start.sh times that.
    std::vector<double> pictures, created, formMade, loaded, painted;
    for (int run = 0; run < kRuns; ++run) {
        pictures.push_back(milliseconds([&] {
            for (const char* name : {"BACKGROUND", "SNES", "GENESIS", "NEOGEO", "MAME"})
                ResourcePicture(instance, name);
        }));
        std::unique_ptr<Win32View> stepView;
        std::unique_ptr<ReadingMachine> stepMachine;
        std::unique_ptr<Form1> stepForm;
        created.push_back(milliseconds([&] { stepView = std::make_unique<Win32View>(instance); }));
        stepMachine = std::make_unique<ReadingMachine>(*stepView);
        formMade.push_back(milliseconds([&] { stepForm = std::make_unique<Form1>(*stepView, stepMachine->machine); }));
        stepView->attach(*stepForm);
        loaded.push_back(milliseconds([&] { stepForm->Form_Load(); }));
        painted.push_back(milliseconds([&] {
            stepView->showCentred(SW_SHOWNOACTIVATE);
            pumpMessages();
        }));
        waitForRead(*stepForm, *stepView);
        stepForm.reset();
        stepMachine.reset();
        stepView.reset();
        pumpMessages();
    }
    std::printf("start steps: pictures %.1f ms, window and controls %.1f ms, Form1 %.1f ms, Form_Load %.1f ms, "
                "show and first paint %.1f ms\n",
                median(pictures), median(created), median(formMade), median(loaded), median(painted));

    Win32View view(instance);
    ReadingMachine reading(view);
    Form1 form(view, reading.machine);
    view.attach(form);
    form.Form_Load();
    view.showCentred(SW_SHOWNOACTIVATE);
    std::vector<double> bareListed, varnixListed;
    int listed = 0;
    for (int run = 0; run < kRuns; ++run) {
        bareListed.push_back(milliseconds([&] { listed = bareListing(roms); }));
        form.optionClicked(kGenesis);
        waitForRead(form, view);
        pumpMessages();
        varnixListed.push_back(milliseconds([&] {
            form.optionClicked(kSnes);  // read on a worker
            waitForRead(form, view);
            UpdateWindow(view.control("fileRoms"));
        }));
        pumpMessages();
    }
    const auto shownRows = SendMessageA(view.control("fileRoms"), LB_GETCOUNT, 0, 0);
    // The parts: the system's listing (with its order), and the list's fill.
    std::vector<double> listing, filling;
    for (int run = 0; run < kRuns; ++run) {
        std::shared_ptr<const std::vector<std::string>> names;
        listing.push_back(milliseconds([&] { names = std::make_shared<const std::vector<std::string>>(listFiles(roms)); }));
        filling.push_back(milliseconds([&] {
            view.showFiles(names);
            while (view.listsFilling())
                pumpMessages();
            UpdateWindow(view.control("fileRoms"));
        }));
    }
    // Each text typed after a pause: a search of its own.
    std::vector<double> typedFound, typedNone;
    std::uint32_t timeMs = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (auto* times : {&typedFound, &typedNone})
            times->push_back(milliseconds([&] {
                form.listTyped(RomList::Files, times == &typedFound ? "game 4999" : "x", timeMs += 2 * kTypingPauseMs);
                UpdateWindow(view.control("fileRoms"));
            }));
    }

    std::printf("select SNES, %d files (%d listed, %d shown): varnix %.1f ms, bare FindFirstFileA %.1f ms, ratio %.2f\n",
                kFiles, listed - 2, static_cast<int>(shownRows), median(varnixListed), median(bareListed),
                median(varnixListed) / median(bareListed));
    std::printf("  of which listing and order %.1f ms, list filled and painted %.1f ms\n", median(listing),
                median(filling));
    std::printf("a name typed into the list: found, selected and drawn %.2f ms; found nowhere %.2f ms\n",
                median(typedFound), median(typedNone));
    std::printf("window on screen: varnix %.1f ms, bare window with a menu %.1f ms, ratio %.2f\n", median(varnixShown),
                median(bareShown), median(varnixShown) / median(bareShown));
    return 0;
}
