// How long PLAY's start takes: the whole start of a small program (finding
// it along its path with blanks, the double fork, the exec report), against a
// baseline posix_spawn + waitpid of the same program; and how long reading a
// long command line takes.
//
//   build/bench/launch_bench
#include "core/command_line.h"
#include "system/process_start.h"
#include "system/process_start_posix.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <string>

extern char** environ;

namespace {

const char* const kProgram = "/bin/true";

void startCommandLine(benchmark::State& state)
{
    // The program found as the shortest prefix of a line with padding and
    // parameters, as a line from the file looks.
    const std::string line = std::string(kProgram) + std::string(41, ' ') + " -fullscreen \"Super Puzzle.smc\"";
    for (auto _ : state)
        varnix::startCommandLine(line);
}
BENCHMARK(startCommandLine)->Unit(benchmark::kMicrosecond);

void rawPosixSpawn(benchmark::State& state)
{
    char* argv[] = {const_cast<char*>(kProgram), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, kProgram, nullptr, nullptr, argv, environ) == 0)
            waitpid(pid, nullptr, 0);
    }
}
BENCHMARK(rawPosixSpawn)->Unit(benchmark::kMicrosecond);

void splitLongLine(benchmark::State& state)
{
    std::string line = "/usr/games/emulator";
    for (int i = 0; i < 200; ++i)
        line += " \"argument with blanks " + std::to_string(i) + "\"";
    for (auto _ : state)
        benchmark::DoNotOptimize(varnix::splitCommandLine(line));
}
BENCHMARK(splitLongLine)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
