// How fast the ROM lists fill and draw their rows on screen, against a raw baseline that only reads the
// directory, filters with the same case-insensitive wildcards and sorts; and how fast a name typed into
// a list of 50,000 finds its row.
//
//   build/bench/list_bench            (QT_QPA_PLATFORM=offscreen is set here)
#include "core/emulator_table.h"
#include "core/form1.h"
#include "core/name_matching.h"
#include "core/type_ahead.h"
#include "qt/file_list_box.h"
#include "qt/qt_view.h"
#include "system/machine.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path workspace()
{
    static const fs::path root = [] {
        std::string pattern = (fs::temp_directory_path() / "varnix-bench-XXXXXX").string();
        return fs::path(mkdtemp(pattern.data()));
    }();
    return root;
}

// A ROM directory of `count` files: 90% "*.zip" (some upper-case), the rest
// decoys that the pattern must reject. Long names are wider than the list.
std::string romDirectory(int count, bool longNames = false)
{
    static std::map<std::pair<int, bool>, std::string> made;
    if (auto found = made.find({count, longNames}); found != made.end())
        return found->second;
    const auto dir = workspace() / ((longNames ? "long" : "roms") + std::to_string(count));
    fs::create_directories(dir);
    const char* const title = longNames ? "Final Fantasy Adventure Collection " : "";
    const char* const region = longNames ? " (USA) (Rev 1)" : "";
    char name[128];
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 9)
            std::snprintf(name, sizeof name, (i % 20 == 19) ? "notes%06d.txt" : "game%06d.zip.bak", i);
        else
            std::snprintf(name, sizeof name, (i % 7 == 0) ? "%sGAME%06d%s.ZIP" : "%sgame%06d%s.zip", title, i, region);
        std::ofstream(dir / name);
    }
    return made[{count, longNames}] = dir.string();
}

std::string gameDirectories(int count)
{
    const auto dir = workspace() / ("neo" + std::to_string(count));
    if (!fs::exists(dir)) {
        for (int i = 0; i < count; ++i)
            fs::create_directories(dir / ("game" + std::to_string(i)));
    }
    return dir.string();
}

std::vector<std::string> rawListing(const std::string& directory, bool directories, const char* pattern)
{
    std::vector<std::string> names;
    DIR* dir = opendir(directory.c_str());
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || entry->d_type != (directories ? DT_DIR : DT_REG))
            continue;
        if (pattern && !varnix::matchesWildcard(entry->d_name, pattern))
            continue;
        names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), varnix::nameLess);
    return names;
}

void RawFiles(benchmark::State& state)
{
    const auto dir = romDirectory(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rawListing(dir, false, "*.zip"));
}

// The real machine, with a settings file that sets `emulator` up on `romDirectory`.
class BenchSystem final : public varnix::System {
public:
    BenchSystem(varnix::EmulatorIndex emulator, const std::string& romDirectory)
    {
        const auto& row = varnix::kEmulators[emulator];
        m_record.set(row.exeField, "/usr/bin/true");
        m_record.set(row.romDirField, romDirectory);
    }
    std::string programDirectory() const override { return m_machine.programDirectory(); }
    std::string currentDirectory() const override { return m_machine.currentDirectory(); }
    void changeDirectory(const std::string&) override {}
    bool isDirectory(const std::string& path) const override { return m_machine.isDirectory(path); }
    std::shared_ptr<const varnix::ReadProgress> readFolder(varnix::EntryKind kind, const std::string& directory,
                                                           varnix::ListingDone done) override
    {
        return m_machine.readFolder(kind, directory, std::move(done));
    }
    // Reads go to workers whose ends come back to `view`'s thread.
    void readOffThreadFor(varnix::QtView& view)
    {
        m_machine.readFoldersOffThread(view.queue());
    }
    std::optional<varnix::ConfigRecord> readConfig(const std::string&) const override { return m_record; }
    void saveConfig(const std::string&, const varnix::ConfigRecord&) override {}
    std::string shortPath(const std::string& path) const override { return path; }
    void startCommandLine(const std::string&) override {}

private:
    varnix::Machine m_machine;
    varnix::ConfigRecord m_record;
};

// Until the read under way, on a worker, has reached the window's thread.
void waitForRead(const varnix::Form1& form)
{
    while (form.readUnderWay())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The user's path: a window set up from its file, then the emulator's
// selection reads its ROM directory on a worker and the list lays out its
// entries when the read is back.
template <typename List>
void selectAndShow(benchmark::State& state, varnix::EmulatorIndex emulator, void (varnix::Form1::*handler)(),
                   const std::string& dir, const char* listName)
{
    BenchSystem system(emulator, dir);
    QImage shown(153, 250, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        {
            varnix::QtView view;  // a new window: nothing cached
            system.readOffThreadFor(view);
            varnix::Form1 form(view, system);
            form.Form_Load();
            auto* list = view.findChild<List*>(QLatin1String(listName));
            list->resize(153, 250);
            list->show();
            form.optionClicked(emulator);  // the first showing reads the start directory too
            waitForRead(form);
            state.ResumeTiming();
            (form.*handler)();  // the selection's handler reads the directory afresh
            waitForRead(form);
            list->doItemsLayout();
            list->viewport()->render(&shown);  // the rows on screen drawn
            benchmark::DoNotOptimize(list->model()->rowCount());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}

void FileRoms(benchmark::State& state)
{
    selectAndShow<varnix::FileListBox>(state, varnix::kMame, &varnix::Form1::optMAME_Click,
                                       romDirectory(static_cast<int>(state.range(0))),
                                       "fileRoms");
}

// Every name on screen is drawn cut in the middle.
void FileRomsLongNames(benchmark::State& state)
{
    selectAndShow<varnix::FileListBox>(state, varnix::kMame, &varnix::Form1::optMAME_Click,
                                       romDirectory(static_cast<int>(state.range(0)), true), "fileRoms");
}

void RawDirectories(benchmark::State& state)
{
    const auto dir = gameDirectories(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rawListing(dir, true, nullptr));
}

void Dir1(benchmark::State& state)
{
    selectAndShow<varnix::DirListBox>(state, varnix::kNeoRage, &varnix::Form1::optNeoRage_Click,
                                      gameDirectories(static_cast<int>(state.range(0))),
                                      "Dir1");
}

// The rule alone, over names that all start alike: the worst case, no row
// found, looks at every one.
void TypedRow(benchmark::State& state)
{
    auto names = rawListing(romDirectory(static_cast<int>(state.range(0))), false, "*.zip");
    const varnix::RowName nameAt = [&names](std::size_t row) -> std::string_view { return names[row]; };
    for (auto _ : state) {
        benchmark::DoNotOptimize(varnix::typedRow(names.size(), nameAt, 7, "gamf"));
        benchmark::DoNotOptimize(varnix::typedRow(names.size(), nameAt, 7, "GAME04999"));
    }
}

// The user's path: a key typed into the list of 50,000, the row found,
// selected, scrolled to and the list drawn. Half the keys find the last rows,
// half find nothing.
void TypeAhead(benchmark::State& state)
{
    BenchSystem system(varnix::kMame, romDirectory(static_cast<int>(state.range(0))));
    varnix::QtView view;
    system.readOffThreadFor(view);
    varnix::Form1 form(view, system);
    view.attach(form);
    form.Form_Load();
    auto* list = view.findChild<varnix::FileListBox*>(QStringLiteral("fileRoms"));
    list->resize(153, 250);
    list->show();
    form.optionClicked(varnix::kMame);
    waitForRead(form);
    list->doItemsLayout();
    QImage shown(153, 250, QImage::Format_RGB32);
    ulong timeMs = 0;
    bool found = false;
    for (auto _ : state) {
        timeMs += 2 * varnix::kTypingPauseMs;  // each key a new search
        found = !found;
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, found ? QStringLiteral("game04999") : QStringLiteral("x"));
        key.setTimestamp(timeMs);
        QApplication::sendEvent(list, &key);
        list->viewport()->render(&shown);
    }
    if (!list->selectedRow())
        state.SkipWithError("no row was found");
}

}  // namespace

BENCHMARK(TypedRow)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeAhead)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawFiles)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(FileRoms)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(FileRomsLongNames)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(RawDirectories)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(Dir1)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(workspace());
    return 0;
}
