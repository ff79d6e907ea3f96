#include "core/command_line.h"
#include "core/launch_rules.h"
#include "system/process_start.h"
#include "system/process_start_posix.h"
#include "system/short_path.h"
#include "support/open_descriptors.h"
#include "support/temp_dir.h"

#include "core/failure.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <thread>

#include <fcntl.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace varnix;
using Arguments = std::vector<std::string>;

namespace {

struct Record {
    std::string pid;
    std::string cwd;
    Arguments argv;
};

// Starts real processes: the recorder stands in for an emulator, and the
// test runs inside a ROM directory of its own.
class ProcessStart : public ::testing::Test {
protected:
    ProcessStart() : m_previous(std::filesystem::current_path())
    {
        std::filesystem::create_directories(dir.file("records"));
        std::filesystem::create_directories(dir.file("roms"));
        setenv("VARNIX_RECORD_DIR", dir.file("records").c_str(), 1);
        std::filesystem::current_path(dir.file("roms"));
    }
    ~ProcessStart() override
    {
        std::filesystem::current_path(m_previous);
        unsetenv("VARNIX_RECORD_DIR");
    }

    // Waits until `count` processes have recorded their start, and returns
    // their records.
    std::vector<Record> records(std::size_t count)
    {
        std::vector<Record> found;
        for (int attempt = 0; attempt < 200 && found.size() < count; ++attempt) {
            found.clear();
            for (const auto& entry : std::filesystem::directory_iterator(dir.file("records"))) {
                if (entry.path().extension() == ".part" || entry.path().extension() == ".fds")
                    continue;
                const auto bytes = dir.read("records/" + entry.path().filename().string());
                Record record;
                record.pid = entry.path().filename().string();
                std::size_t at = bytes.find('\0');
                record.cwd = bytes.substr(0, at);
                while (at != std::string::npos) {
                    const auto next = bytes.find('\0', at + 1);
                    record.argv.push_back(bytes.substr(at + 1, next == std::string::npos ? next : next - at - 1));
                    at = next;
                }
                found.push_back(record);
            }
            if (found.size() < count)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return found;
    }

    std::string romDir() const { return dir.file("roms"); }

    TempDir dir;

private:
    std::filesystem::path m_previous;
};

// The system's reason a start failed, or nothing when it started.
std::string errorOf(const std::string& line)
{
    try {
        startCommandLine(line);
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("cannot run "), std::string::npos) << failure.what();
        return failure.reason();
    }
    return {};
}

std::string reason(int error)
{
    return std::generic_category().message(error);
}

}  // namespace

TEST_F(ProcessStart, HostileRomNamesReachTheEmulatorAsLiteralArgumentsAndRunNothing)
{
    const std::vector<std::string> names{
        "$(touch pwned).smc", "a;touch pwned;.smc", "`touch pwned`.smc", "it's \"q\" .smc",
        "x && touch pwned.smc", "back\\slash\\.smc", "star*?.smc", "> pwned", "\xe9t\xe9 \xff.smc", "  padded  ",
    };
    for (const auto& name : names)
        dir.write("roms/" + name, "");
    for (const auto& name : names)
        startCommandLine(composeCommandLine(RECORD_START_PROGRAM, "-p", ShortPath(name)));

    const auto started = records(names.size());
    ASSERT_EQ(started.size(), names.size());
    std::vector<std::string> received;
    for (const auto& record : started) {
        ASSERT_EQ(record.argv.size(), 3u);
        EXPECT_EQ(record.argv[0], RECORD_START_PROGRAM);
        EXPECT_EQ(record.argv[1], "-p");
        EXPECT_EQ(record.cwd, romDir()) << "started in the current directory";
        received.push_back(record.argv[2]);
    }
    std::sort(received.begin(), received.end());
    auto expected = names;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(received, expected);
    EXPECT_FALSE(std::filesystem::exists(dir.file("roms/pwned")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("roms/pwned.smc")));
}

TEST_F(ProcessStart, AProgramPathWithBlanksStartsUnquotedAndQuoted)
{
    std::filesystem::create_directories(dir.file("emu dir"));
    std::filesystem::copy_file(RECORD_START_PROGRAM, dir.file("emu dir/my emu"));
    dir.write("emu", "not a program");  // a prefix that names a file, but no executable one

    startCommandLine(dir.file("emu dir/my emu") + "   -a  ");
    startCommandLine("\"" + dir.file("emu dir/my emu") + "\" -b");
    auto started = records(2);
    ASSERT_EQ(started.size(), 2u);
    std::sort(started.begin(), started.end(), [](const Record& a, const Record& b) { return a.argv < b.argv; });
    EXPECT_EQ(started[0].argv, (Arguments{dir.file("emu dir/my emu"), "-a"}));
    EXPECT_EQ(started[1].argv, (Arguments{dir.file("emu dir/my emu"), "-b"}));
}

TEST_F(ProcessStart, EachStartIsADetachedProcessThatHoldsNothingOfOurs)
{
    const int leaked = open(dir.file("roms").c_str(), O_RDONLY);  // without close-on-exec
    ASSERT_GE(leaked, 3);
    const auto line = composeCommandLine(RECORD_START_PROGRAM, "", "rom.smc");
    const auto before = openDescriptors();
    startCommandLine(line);
    startCommandLine(line);
    EXPECT_EQ(openDescriptors(), before) << "a PLAY left a descriptor open";
    const auto started = records(2);
    close(leaked);
    ASSERT_EQ(started.size(), 2u) << "pressing PLAY twice starts two processes";
    for (const auto& record : started) {
        std::istringstream files(dir.read("records/" + record.pid + ".fds"));
        for (std::string file; std::getline(files, file);)
            EXPECT_NE(file, romDir()) << "the emulator was handed one of our files";
        EXPECT_EQ(dir.read("records/" + record.pid + ".fds").find("session " + std::to_string(getsid(0)) + "\n"),
                  std::string::npos)
            << "the emulator is in Varnix's session: closing Varnix's terminal would end it";
    }
    // The emulators are nobody's children here: no zombie, nothing to wait for.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(ProcessStart, AProgramThatCannotRunIsReportedByName)
{
    dir.write("emu/readme.txt", "text");
    dir.write("emu/script", "touch pwned\n");  // executable, but no program and no "#!"
    std::filesystem::permissions(dir.file("emu/script"), std::filesystem::perms::owner_all);
    std::filesystem::copy_file(RECORD_START_PROGRAM, dir.file("roms/snes9x"));

    EXPECT_EQ(errorOf(dir.file("emu/missing") + " -f rom"), reason(ENOENT));
    EXPECT_EQ(errorOf(dir.file("emu/readme.txt") + " rom"), reason(EACCES)) << "not executable";
    EXPECT_EQ(errorOf(dir.file("emu") + " rom"), reason(EACCES)) << "a directory";
    // The script is the start that gets as far as the exec. A process that
    // came back from its failed exec would be here too, holding the pipe.
    int back[2];
    ASSERT_EQ(pipe(back), 0);
    const pid_t self = getpid();
    EXPECT_EQ(errorOf(dir.file("emu/script") + " rom"), reason(ENOEXEC)) << "never handed to a shell";
    if (getpid() != self)
        _exit(write(back[1], "!", 1) == 1 ? 0 : 1);
    close(back[1]);
    char byte = 0;
    EXPECT_EQ(read(back[0], &byte, 1), 0) << "a start that failed goes on running our own code";
    close(back[0]);
    EXPECT_FALSE(std::filesystem::exists(dir.file("roms/pwned")));

    // A bare name is looked up along PATH, never in the current directory,
    // which is the ROM directory.
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (":/nonexistent:" + path).c_str(), 1);
    EXPECT_EQ(errorOf("snes9x rom"), reason(ENOENT));
    setenv("PATH", path.c_str(), 1);

    EXPECT_THROW(startCommandLine("     "), Failure);
    EXPECT_TRUE(records(0).empty()) << "nothing was started";
}

TEST(ProcessStartDescriptors, WithoutCloseRangeEveryDescriptorIsStillMarkedCloseOnExec)
{
    const int fd = open("/dev/null", O_RDONLY);  // inheritable
    ASSERT_GE(fd, 3);
    const int nines = fcntl(fd, F_DUPFD, 90);  // each of 90 to 99 has a 9 in its name in /proc
    ASSERT_TRUE(nines >= 90 && nines <= 99) << nines;
    markCloseOnExecFrom(fd, false, fd + 1);
    EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
    EXPECT_TRUE(fcntl(nines, F_GETFD) & FD_CLOEXEC) << nines;
    close(nines);
    close(fd);
}

