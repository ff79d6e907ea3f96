// What only Windows has: short names, drives, its command-line rules and its
// process start. Runs on Windows, or under Wine.
#include "core/command_line.h"
#include "core/launch_rules.h"
#include "core/path_names.h"
#include "system/directories.h"
#include "system/directory_listing.h"
#include "system/file_io.h"
#include "system/newer_calls.h"
#include "system/process_start.h"
#include "system/short_path.h"
#include "system/windows_error.h"
#include "support/temp_dir.h"

#include "core/failure.h"

#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <direct.h>
#include <shellapi.h>
#include <versionhelpers.h>

#include <cstdlib>
#include <random>
#include <stdexcept>

using namespace varnix;
using Arguments = std::vector<std::string>;

namespace {

// How the Windows rules split `line`, the way a started program reads it.
Arguments windowsSplit(const std::string& line)
{
    const std::wstring wide(line.begin(), line.end());  // the tests' lines are ASCII
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &count);
    Arguments arguments;
    for (int i = 0; i < count; ++i) {
        const std::wstring argument(argv[i]);
        arguments.emplace_back(argument.begin(), argument.end());
    }
    LocalFree(argv);
    return arguments;
}

std::string upper(std::string text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Runs inside a directory of its own and goes back afterwards.
class InWindowsDirectory : public ::testing::Test {
protected:
    InWindowsDirectory() : m_previous(currentDirectory()) { changeDirectory(dir.path()); }
    ~InWindowsDirectory() override { changeDirectory(m_previous); }

    TempDir dir;

private:
    std::string m_previous;
};

}  // namespace

TEST_F(InWindowsDirectory, ShortNameOfALongNameHasNoBlanksAndNamesTheSameFile)
{
    const std::string name = "a long ROM name with blanks.smc";
    dir.write(name, "the long one");
    dir.write("other long name with blanks.smc", "another");
    const auto shortName = ShortPath(name);
    ASSERT_FALSE(shortName.empty());
    EXPECT_EQ(shortName.find(' '), std::string::npos) << shortName;
    EXPECT_EQ(shortName.find('\\'), std::string::npos) << "a bare name stays bare: " << shortName;
    EXPECT_EQ(dir.read(shortName), "the long one") << "it resolves back to the same file";
    EXPECT_EQ(ShortPath(shortName), shortName) << "a short form is its own short form";

    EXPECT_EQ(ShortPath("missing file.smc"), "");
    EXPECT_EQ(ShortPath(""), "");

    // On the composed line the short name is one argument by the Windows rules.
    const auto line = composeCommandLine("C:\\emu\\snes.exe", "-f  x", shortName);
    EXPECT_EQ(line, "C:\\emu\\snes.exe -f  x " + shortName);
    EXPECT_EQ(windowsSplit(line), (Arguments{"C:\\emu\\snes.exe", "-f", "x", shortName}));
    EXPECT_EQ(splitCommandLine(line), windowsSplit(line));
}

TEST_F(InWindowsDirectory, TheDriveStepChangesTheDriveAndTheDirectory)
{
    changeDirectory("C:\\windows   ");
    EXPECT_EQ(_getdrive(), 3);
    EXPECT_EQ(upper(currentDirectory()), "C:\\WINDOWS");

    changeDirectory(dir.path());
    const auto here = upper(currentDirectory());
    EXPECT_EQ(_getdrive(), here[0] - 'A' + 1) << "back on the temporary directory's drive";
    EXPECT_THROW(changeDirectory(dir.file("missing")), Failure);
    EXPECT_EQ(upper(currentDirectory()), here) << "a failed change changes nothing";
}

TEST(Windows, ThePathSeparatorIsEitherSlash)
{
    const auto program = programDirectory();
    char module[MAX_PATH];
    const auto length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(program, std::string(module, length).substr(0, program.size()));
    EXPECT_EQ(module[program.size()], '\\');
    EXPECT_EQ(parentDirectory("C:/roms/snes"), "C:/roms");
    EXPECT_EQ(pathInDirectory("C:/roms/", "a.smc"), "C:/roms/a.smc");
}

TEST(Windows, TheWindowsRulesAndOurSplitterReadTheLinesWeWriteAlike)
{
    // Pieces of plain characters, blanks, backslashes and quoted groups; a
    // backslash never stands before a quote, which no file name holds.
    std::mt19937 random(7);
    const std::string plain = "abcXYZ019.-_:\\~";
    std::uniform_int_distribution<std::size_t> pickPlain(0, plain.size() - 1);
    std::uniform_int_distribution<int> pieceLength(0, 6);
    std::uniform_int_distribution<int> kind(0, 2);
    for (int round = 0; round < 300; ++round) {
        std::string line = "C:\\emu\\snes.exe";
        for (int piece = 0; piece < 4; ++piece) {
            line += std::string(1 + kind(random), ' ');
            std::string text;
            for (int n = pieceLength(random); n > 0; --n)
                text += kind(random) == 0 ? ' ' : plain[pickPlain(random)];
            if (!text.empty() && text.back() == '\\')
                text += 'z';
            line += kind(random) == 0 ? "\"" + text + "\"" : text;
        }
        EXPECT_EQ(splitCommandLine(line), windowsSplit(line)) << line;
    }
}

TEST(Windows, AnUnquotedProgramPathWithBlanksIsFoundAsWindowsFindsIt)
{
    // The Windows rules split the unquoted path; the process start does not.
    const std::string line = "C:\\Program Files\\Emu\\snes.exe -f ROMNAM~1.SMC";
    EXPECT_EQ(windowsSplit(line).front(), "C:\\Program");
    const auto resolved = resolveCommandLine(line, [](const std::string& piece) -> std::optional<std::string> {
        if (piece == "C:\\Program Files\\Emu\\snes.exe")
            return piece;
        return std::nullopt;
    });
    ASSERT_TRUE(resolved);
    EXPECT_EQ(resolved->argv, (Arguments{"C:\\Program Files\\Emu\\snes.exe", "-f", "ROMNAM~1.SMC"}));
}

TEST_F(InWindowsDirectory, ABareProgramNameIsLookedUpAlongPathOnly)
{
    char module[MAX_PATH];
    const auto length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    ASSERT_TRUE(CopyFileA(std::string(module, length).c_str(), dir.file("helper.exe").c_str(), FALSE));
    EXPECT_THROW(startCommandLine("helper --gtest_list_tests"), Failure)
        << "never taken from the current folder, which is the ROM folder";

    const std::string path = std::getenv("PATH");
    _putenv_s("PATH", (dir.path() + ";" + path).c_str());
    EXPECT_NO_THROW(startCommandLine("helper --gtest_list_tests"));
    _putenv_s("PATH", path.c_str());
}

TEST(Windows, StartingAMissingProgramIsReportedByName)
{
    try {
        startCommandLine("C:\\no such dir\\emu.exe -f rom");
        FAIL() << "a missing program started";
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("cannot run C:\\no"), std::string::npos) << failure.what();
        EXPECT_TRUE(failure.reason() == windowsErrorText(ERROR_FILE_NOT_FOUND) ||
                    failure.reason() == windowsErrorText(ERROR_PATH_NOT_FOUND))
            << failure.reason();
    }
    EXPECT_THROW(startCommandLine("    "), Failure);

    // A program that exists starts, and the call returns at once.
    char module[MAX_PATH];
    const auto length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_NO_THROW(startCommandLine(std::string(module, length) + " --gtest_list_tests"));
}

TEST_F(InWindowsDirectory, XpsWaysListSaveAndCountAsTheNewerOnesDo)
{
    // Told by the system that it is older than Windows 7 (Wine set to XP),
    // the listing asks for no argument that such a system refuses.
    EXPECT_EQ(newerKernelCalls().basicLargeFind, IsWindows7OrGreater());
    dir.write("roms/b.smc", "");
    dir.write("roms/A.SMC", "");
    dir.write("roms/sub/x.smc", "");
    const auto kept = newerKernelCalls();
    newerKernelCalls() = {};
    EXPECT_EQ(listFiles(dir.file("roms")), (Arguments{"A.SMC", "b.smc"}));
    EXPECT_EQ(listSubdirectories(dir.file("roms")), Arguments{"sub"});
    writeFileSafely("varnix.dat", "saved");
    EXPECT_EQ(dir.read("varnix.dat"), "saved");
    // The 32-bit count, carried on only past a wrap, which no test waits for.
    const ULONGLONG ticks = tickCount64();
    EXPECT_LE(GetTickCount() - ticks, 1000u);
    EXPECT_EQ(ticks >> 32, 0u);
    newerKernelCalls() = kept;
}
