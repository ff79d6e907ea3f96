// Windows as its users meet it: under Wine with LANG=ja_JP.UTF-8 (code page 932) and en_US.UTF-8 (1252).
#include "core/form1.h"
#include "core/launch_rules.h"
#include "system/ansi_text.h"
#include "system/directories.h"
#include "system/directory_listing.h"
#include "system/file_io.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

using namespace varnix;

namespace {

void makeFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring wide(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

void choose(FakeView& view, Form1& form, std::size_t emulator)
{
    view.setOptionSelected(emulator, true);
    form.optionClicked(emulator);
}

}  // namespace

TEST(CodePage932, ASecondByteThatIsABackslashNeverSeparatesNames)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932 (LANG=ja_JP.UTF-8)";
    // In code page 932 機能 is 8B 40 94 5C, 表 95 5C, ソ 83 5C: 0x5C is "\".
    const std::string kinou = "\x8B\x40\x94\x5C", sonic = "\x83\x5C\x83\x6A\x83\x62\x83\x4E";
    TempDir dir;
    const auto base = dir.path();
    for (const auto* name : {L"\\\x6A5F\x80FD", L"\\snes\x8868", L"\\neo", L"\\neo\\\x30BD\x30CB\x30C3\x30AF"})
        ASSERT_TRUE(CreateDirectoryW((wide(base) + name).c_str(), nullptr));
    makeFile(wide(base) + L"\\snes\x8868\\a.smc", "");
    const auto home = base + "\\" + kinou;
    ConfigRecord record;
    record.set(Field::SnesRomDir, base + "\\snes\x95\x5C");
    record.set(Field::NeoRageExe, "C:\\neorage.exe");
    record.set(Field::NeoRageRomDir, base + "\\neo");
    record.set(Field::SnesExe, "C:\\snes.exe");
    record.set(Field::NeoRageParams, "-x");
    makeFile(wide(base) + L"\\\x6A5F\x80FD\\varnix.dat", std::string(record.bytes()));

    FakeView view;
    FakeSystem system(home, home);
    Form1 form(view, system);
    form.Form_Load();
    choose(view, form, kSnes);
    EXPECT_EQ(*view.files, std::vector<std::string>{"a.smc"});
    choose(view, form, kNeoRage);
    form.Dir1_DblClick(view.directories->count() - 1);
    EXPECT_EQ(view.directories->chain.names.back(), sonic) << "one row, not three";
    form.Command1_Click();
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].line, "C:\\neorage.exe " + sonic + " -x" + std::string(28, ' '));
    view.setParameterText(kSnes, "-saved");
    form.mnuConfig_Click();
    EXPECT_EQ(view.messages, std::vector<std::string>{}) << "the file in " << kinou << " is found and saved";
    EXPECT_EQ(readFileStart(home + "\\varnix.dat", 540).value().substr(230, 6), "-saved");

    changeDirectory(home);
    EXPECT_EQ(currentDirectory(), home);
    changeDirectory(base);
    // A last name of 28 double-byte characters is within the 29 counted.
    std::string name;
    for (int i = 0; i < 28; ++i)
        name += "\x83\x5C";
    EXPECT_EQ(gameDirectoryName("C:\\neo\\" + name), name);
    EXPECT_EQ(gameDirectoryName("C:\\neo\\" + name + "\x83\x5C"), "C:\\neo\\" + name + "\x83\x5C");
}

TEST(CodePage, ANameThePageCannotHoldIsListedInItsShortForm)
{
    // "ł" is in neither page; a best fit would read "l", another game.
    TempDir dir;
    makeFile(wide(dir.path()) + L"\\\x0142.zip", "l with stroke");
    makeFile(wide(dir.path()) + L"\\l.zip", "plain l");
    const auto names = listFiles(dir.path());
    ASSERT_EQ(names.size(), 2u);
    const auto other = names[0] == "l.zip" ? names[1] : names[0];
    EXPECT_EQ(other.find('?'), std::string::npos) << "this volume keeps short names";
    EXPECT_EQ(readFileStart(dir.file(other), 99).value(), "l with stroke") << "PLAY passes " << other;

    // The Open dialog's path of a program in a folder such as "Łódź".
    const auto lodz = wide(dir.path()) + L"\\\x0141\x00F3\x0064\x017A";
    ASSERT_TRUE(CreateDirectoryW(lodz.c_str(), nullptr));
    makeFile(lodz + L"\\emu.exe", "emulator");
    EXPECT_EQ(readFileStart(ansiPath(lodz + L"\\emu.exe"), 99).value(), "emulator");
    EXPECT_EQ(heldAnsiPath(lodz + L"\\gone\x0142"), std::nullopt) << "no short form: nothing the page holds";
}

TEST(CodePage, ASaveWaitsOutAFileHeldForAMomentAndReportsOneHeldForGood)
{
    TempDir dir;
    const auto path = dir.file("varnix.dat");
    dir.write("varnix.dat", "old");
    // As a scanner does: open, sharing reading only.
    const auto hold = [&] {
        return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    std::thread release([held = hold()] {
        Sleep(600);
        CloseHandle(held);
    });
    EXPECT_NO_THROW(writeFileSafely(path, "new"));
    release.join();

    HANDLE held = hold();
    EXPECT_THROW(writeFileSafely(path, "newer"), Failure);
    CloseHandle(held);
    EXPECT_EQ(dir.read("varnix.dat"), "new") << "the old file stays whole";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";
}

TEST(CodePage, StartUpWaitsOutAFileHeldForAMomentAndAsksBeforeReplacingOneHeldForGood)
{
    TempDir dir;
    ConfigRecord record;
    record.set(Field::MameExe, "C:\\mame\\mame.exe");
    const std::string stored(record.bytes());
    dir.write("varnix.dat", stored);
    FakeView view;
    FakeSystem system(dir.path(), dir.path());
    Form1 form(view, system);
    // As a sync tool does: open, sharing nothing.
    const auto path = dir.file("varnix.dat");
    const auto hold = [&] { return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); };
    std::thread release([held = hold()] {
        Sleep(600);
        CloseHandle(held);
    });
    Form1(view, system).Form_Load();
    EXPECT_EQ(view.messages, std::vector<std::string>{}) << "held for a moment: the settings are read";
    release.join();

    const HANDLE held = hold();
    form.Form_Load();
    CloseHandle(held);
    ASSERT_EQ(view.messages.size(), 1u) << "held for good";
    EXPECT_NE(view.messages[0].find(path + " is there but could not be read"), std::string::npos) << view.messages[0];
    form.mnuConfig_Click();  // released by now; No
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(dir.read("varnix.dat"), stored) << "MAME stays set up in the file";
    view.yesNoAnswers = {true};
    form.mnuConfig_Click();
    EXPECT_EQ(dir.read("varnix.dat"), std::string(540, ' '));
}
