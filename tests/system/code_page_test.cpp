// Windows as its users meet it: a double-byte code page, names the code page
// cannot hold, a settings file another program holds. Run under Wine with
// LANG=ja_JP.UTF-8 (code page 932) and with an English locale (1252).
#include "core/config_record.h"
#include "core/form1.h"
#include "core/launch_rules.h"
#include "system/ansi_text.h"
#include "system/directories.h"
#include "system/file_io.h"
#include "system/short_path.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

using namespace varnix;

namespace {

// Every one of these characters has 0x5C, the byte of "\", as its second
// byte in code page 932: 機能 is 8B 40 94 5C, 表 95 5C, ソ 83 5C.
const std::string kKinou = "\x8B\x40\x94\x5C";
const std::string kSnesHyou = "snes\x95\x5C";
const std::string kSonic = "\x83\x5C\x83\x6A\x83\x62\x83\x4E";

void makeFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string readFile(const std::string& ansiPath)
{
    HANDLE file = CreateFileA(ansiPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(cannot open)";
    std::string bytes(1024, '\0');
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

std::wstring wide(const std::string& ascii)
{
    return {ascii.begin(), ascii.end()};
}

// A window over the real file system, started in `start`.
struct Window {
    Window(const std::string& program, const std::string& start) : system(program, start), form(view, system)
    {
        form.Form_Load();
    }
    void choose(std::size_t emulator)
    {
        view.setOptionSelected(emulator, true);
        form.optionClicked(emulator);
    }
    void selectFile(const std::string& name)
    {
        const auto& files = *view.files;
        const auto found = std::find(files.begin(), files.end(), name);
        ASSERT_NE(found, files.end()) << name;
        view.selectedRow = static_cast<std::size_t>(found - files.begin());
    }

    FakeView view;
    FakeSystem system;
    Form1 form;
};

}  // namespace

TEST(CodePage932, ASecondByteThatIsABackslashNeverSeparatesNames)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932 (LANG=ja_JP.UTF-8)";
    TempDir dir;
    const auto base = dir.path();
    ASSERT_TRUE(CreateDirectoryW((wide(base) + L"\\\x6A5F\x80FD").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((wide(base) + L"\\snes\x8868").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((wide(base) + L"\\neo").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((wide(base) + L"\\neo\\\x30BD\x30CB\x30C3\x30AF").c_str(), nullptr));
    makeFile(wide(base) + L"\\snes\x8868\\a.smc", "");
    const auto home = base + "\\" + kKinou;
    ConfigRecord record;
    record.set(Field::SnesExe, "C:\\snes.exe");
    record.set(Field::SnesRomDir, base + "\\" + kSnesHyou);
    record.set(Field::NeoRageExe, "C:\\neorage.exe");
    record.set(Field::NeoRageRomDir, base + "\\neo");
    record.set(Field::NeoRageParams, "-p");
    makeFile(wide(base) + L"\\\x6A5F\x80FD\\varnix.dat", std::string(record.bytes()));

    Window window(home, home);
    EXPECT_TRUE(window.view.messages.empty()) << "the file in " << kKinou << " is found";
    window.choose(kSnes);
    EXPECT_EQ(*window.view.files, std::vector<std::string>{"a.smc"});

    window.choose(kNeoRage);
    const auto rows = window.view.directories;
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->subdirectories, std::vector<std::string>{kSonic});
    window.form.Dir1_DblClick(rows->count() - 1);
    EXPECT_EQ(window.view.directories->chain.names.back(), kSonic) << "one row, not three";
    window.form.Command1_Click();
    ASSERT_EQ(window.system.starts.size(), 1u);
    EXPECT_EQ(window.system.starts[0].line, "C:\\neorage.exe " + kSonic + " -p" + std::string(28, ' '));

    window.view.setParameterText(kSnes, "-saved");
    window.form.mnuConfig_Click();
    EXPECT_TRUE(window.view.messages.empty()) << window.view.messages.front();
    EXPECT_EQ(readFile(home + "\\varnix.dat").substr(230, 6), "-saved");

    // The PLAY and the save go to such a directory, and read it back.
    const auto previous = currentDirectory();
    changeDirectory(home);
    EXPECT_EQ(currentDirectory(), home);
    changeDirectory(previous);

    // A last name of 28 double-byte characters is within the 29 counted.
    std::string name;
    for (int i = 0; i < 28; ++i)
        name += "\x83\x5C";
    EXPECT_EQ(gameDirectoryName("C:\\neo\\" + name), name);
    EXPECT_EQ(gameDirectoryName("C:\\neo\\" + name + "\x83\x5C"), "C:\\neo\\" + name + "\x83\x5C");
}

TEST(CodePage, ANameThePageCannotHoldIsListedAndPassedInItsShortForm)
{
    // "ł" is in neither page; with best fit it would read "l", another game.
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((wide(dir.path()) + L"\\mame").c_str(), nullptr));
    makeFile(wide(dir.path()) + L"\\mame\\\x0142.zip", "l with stroke");
    makeFile(wide(dir.path()) + L"\\mame\\l.zip", "plain l");
    ConfigRecord record;
    record.set(Field::MameExe, "C:\\mame.exe");
    record.set(Field::MameRomDir, dir.file("mame"));
    dir.write("start/varnix.dat", std::string(record.bytes()));

    Window window(dir.file("start"), dir.file("start"));
    window.choose(kMame);
    const auto files = *window.view.files;
    ASSERT_EQ(files.size(), 2u);
    const auto other = files[0] == "l.zip" ? files[1] : files[0];
    ASSERT_NE(other, "l.zip") << "never a look-alike";
    EXPECT_EQ(other.find('?'), std::string::npos) << "this volume keeps short names";
    EXPECT_EQ(readFile(dir.file("mame") + "\\" + other), "l with stroke");

    window.selectFile(other);
    window.form.Command1_Click();
    ASSERT_EQ(window.system.starts.size(), 1u);
    EXPECT_EQ(window.system.starts[0].line, std::string(record.get(Field::MameExe)) + "  " + gameNameFromZip(other));

    // A folder such as "Łódź", as the Open dialog returns it, opens itself.
    const auto lodz = wide(dir.path()) + L"\\\x0141\x00F3\x0064\x017A";
    ASSERT_TRUE(CreateDirectoryW(lodz.c_str(), nullptr));
    makeFile(lodz + L"\\emu.exe", "emulator");
    EXPECT_EQ(readFile(ansiPath(lodz + L"\\emu.exe")), "emulator");
}

TEST(CodePage, ASaveWaitsOutAFileHeldForAMomentAndReportsOneHeldForGood)
{
    TempDir dir;
    const auto path = dir.file("varnix.dat");
    dir.write("varnix.dat", "old");
    const auto holdFile = [&] {
        // As a scanner does: open, sharing reading only.
        return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    };

    HANDLE held = holdFile();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        Sleep(600);
        CloseHandle(held);
    });
    EXPECT_NO_THROW(writeFileSafely(path, "new"));
    release.join();
    EXPECT_EQ(dir.read("varnix.dat"), "new");

    held = holdFile();
    EXPECT_THROW(writeFileSafely(path, "newer"), Failure);
    CloseHandle(held);
    EXPECT_EQ(dir.read("varnix.dat"), "new") << "the old file stays whole";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";
}
