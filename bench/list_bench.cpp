// How fast the ROM lists fill, against a raw baseline that only reads the
// directory, filters with the same case-insensitive wildcards and sorts.
//
//   build/bench/list_bench            (QT_QPA_PLATFORM=offscreen is set here)
#include "ui/dir_list_box.h"
#include "launch/directory_listing.h"
#include "ui/file_list_box.h"

#include <QApplication>

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
// decoys that the pattern must reject.
std::string romDirectory(int count)
{
    static std::map<int, std::string> made;
    if (auto found = made.find(count); found != made.end())
        return found->second;
    const auto dir = workspace() / ("roms" + std::to_string(count));
    fs::create_directories(dir);
    char name[64];
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 9)
            std::snprintf(name, sizeof name, (i % 20 == 19) ? "notes%06d.txt" : "game%06d.zip.bak", i);
        else
            std::snprintf(name, sizeof name, (i % 7 == 0) ? "GAME%06d.ZIP" : "game%06d.zip", i);
        std::ofstream(dir / name);
    }
    return made[count] = dir.string();
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

void FileRoms(benchmark::State& state)
{
    const auto dir = romDirectory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        {
            varnix::FileListBox list;  // a new list: nothing cached
            list.resize(153, 253);
            state.ResumeTiming();
            list.setPathAndPattern(dir, "*.zip");
            list.doItemsLayout();
            benchmark::DoNotOptimize(list.count());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}

void RawDirectories(benchmark::State& state)
{
    const auto dir = gameDirectories(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rawListing(dir, true, nullptr));
}

void Dir1(benchmark::State& state)
{
    const auto dir = gameDirectories(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        {
            varnix::DirListBox list;
            list.resize(153, 246);
            state.ResumeTiming();
            list.setPath(dir);
            list.doItemsLayout();
            benchmark::DoNotOptimize(list.count());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(RawFiles)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(FileRoms)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
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
