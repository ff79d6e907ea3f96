#include "core/browse_start.h"
#include "core/config_record.h"
#include "support/form_fixture.h"

using namespace varnix;

namespace {

// Started without a configuration: every emulator "Not Setup".
class Setup : public FormTest {
protected:
    Setup()
    {
        dir.write("r/gen/sonic.smd", "");
        dir.write("r/mame/pacman.zip", "");
        dir.write("r/neo/mslug/m.p1", "");
        startForm();
        view.messages.clear();
    }

    std::string path(const char* name) const { return dir.file(name); }

    void setUp(const char* entryName, std::optional<std::string> executable, std::string romDir)
    {
        view.fileAnswers.push_back(std::move(executable));
        view.inputAnswers.push_back(std::move(romDir));
        entry(entryName)->trigger();
    }
};

}  // namespace

TEST_F(Setup, AskTheExecutableThenTheRomDirectoryAndShowTheRoms)
{
    box("Text2")->setText("typed before");
    setUp("mnuGenesis", "/emu/gens", path("r/gen"));

    ASSERT_EQ(view.fileCalls.size(), 1u);
    EXPECT_EQ(view.fileCalls[0].filters, (std::vector<varnix::FileFilter>{{"All files (*.*)", "*.*"}, {"Genesis EXE (*.exe)", "*.exe"}}));
    EXPECT_EQ(view.fileCalls[0].filterIndex, 2);
    ASSERT_EQ(view.inputCalls.size(), 1u);
    EXPECT_EQ(view.inputCalls[0].caption, "Rom Directory");
    EXPECT_EQ(view.inputCalls[0].prompt, "Please enter you GENESIS ROMS directory");
    EXPECT_EQ(view.inputCalls[0].defaultText, "/emu/gens") << "the executable just chosen";

    EXPECT_TRUE(option("optGenesis")->isEnabled());
    EXPECT_TRUE(option("optGenesis")->isChecked());
    EXPECT_TRUE(box("Text2")->isEnabled());
    EXPECT_EQ(box("Text2")->text(), "") << "a setup clears the parameters";
    EXPECT_TRUE(entry("mnuGenesis")->isChecked());
    EXPECT_EQ(fileEntries(), std::vector<std::string>{"sonic.smd"});
    EXPECT_EQ(form->filesPattern(), "*.smd*;*.1;*.bin");
    EXPECT_EQ(form->workingPaths().GenesisExe, "/emu/gens");
    EXPECT_EQ(form->workingPaths().GenesisRomDir, dir.file("r/gen"));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Setup, EachDialogObjectKeepsItsLastPathAcrossTheEmulatorsItServes)
{
    setUp("mnuGenesis", "/emu/gens", path("r/gen"));
    setUp("mnuMAME", std::nullopt, path("r/mame"));  // cancelled
    EXPECT_EQ(form->workingPaths().MameExe, "/emu/gens") << "Genesis and MAME share a dialog";
    EXPECT_EQ(view.inputCalls.back().defaultText, "/emu/gens");
    EXPECT_EQ(view.inputCalls.back().prompt, "Please enter your MAME ROMS (.zips only!)directory");

    setUp("mnuSnes", std::nullopt, path("r/gen"));  // SNES has the other dialog, never used yet
    EXPECT_EQ(form->workingPaths().SnesExe, "");
    EXPECT_EQ(view.inputCalls.back().defaultText, "");
    EXPECT_TRUE(option("optSnes")->isChecked()) << "an empty executable still sets the row up";

    setUp("mnuNeoRage", "/emu/neorage", path("r/neo"));
    setUp("mnuSnes", std::nullopt, path("r/gen"));
    EXPECT_EQ(form->workingPaths().SnesExe, "/emu/neorage") << "SNES and NeoRage share the other";
    EXPECT_EQ(view.fileCalls.back().startPath, "/emu/neorage");

    // The empty SNES executable was replaced; a save stores what setup chose.
    entry("mnuConfig")->trigger();
    const auto saved = ConfigRecord::fromBytes(dir.read("program/varnix.dat"));
    EXPECT_EQ(saved.get(Field::MameExe), fitToWidth("/emu/gens", 50));
    EXPECT_EQ(saved.get(Field::NeoRageRomDir), fitToWidth(dir.file("r/neo"), 50));
}

TEST_F(Setup, ABadRomDirectoryLeavesTheRowNotSetupWithTheTypedDirectory)
{
    setUp("mnuMAME", "/emu/mame", path("missing") + "/");
    ASSERT_EQ(view.messages.size(), 1u) << "only the selection's own message";
    EXPECT_EQ(view.messages[0], "Incorrect directory please run setup!");
    EXPECT_EQ(form->workingPaths().MameExe, std::string(50, ' '));
    EXPECT_EQ(form->workingPaths().MameRomDir, dir.file("missing") + "/") << "kept as typed";
    EXPECT_FALSE(option("optMAME")->isEnabled());
    EXPECT_FALSE(option("optMAME")->isChecked());
    EXPECT_EQ(box("Text4")->text(), "Not Setup");
    EXPECT_FALSE(box("Text4")->isEnabled());
    EXPECT_FALSE(entry("mnuMAME")->isChecked());

    // Already selected: no selection runs, so no message, and the button
    // stays selected while disabled.
    setUp("mnuGenesis", "/emu/gens", path("r/gen"));
    setUp("mnuGenesis", "/emu/gens", path("missing"));
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(option("optGenesis")->isChecked());
    EXPECT_FALSE(option("optGenesis")->isEnabled());
    EXPECT_EQ(form->workingPaths().GenesisExe, std::string(50, ' '));
    setUp("mnuGenesis", "/emu/gens", path("r/gen"));
    EXPECT_TRUE(option("optGenesis")->isEnabled());
    EXPECT_TRUE(box("Text2")->isEnabled()) << "Setup enables the box itself: no selection runs";
}

TEST_F(Setup, NeoRageSetupPointsTheDirectoryListAndLeavesTheListsToTheSelection)
{
    setUp("mnuNeoRage", "/emu/neorage", path("r/neo"));
    EXPECT_TRUE(showsDirs());
    EXPECT_EQ(view.inputCalls[0].caption, "NeoGeo Rom Directory");
    EXPECT_EQ(view.inputCalls[0].prompt,
              "Please enter your NEOGEO ROMS directory  (The directory where all the rom dirs are)");

    dir.write("r/neo2/garou/g.p1", "");
    setUp("mnuNeoRage", "/emu/neorage", path("r/neo2"));
    EXPECT_EQ(form->directoryListPath(), dir.file("r/neo2"));
    EXPECT_TRUE(showsDirs());
}

TEST_F(Setup, EveryEmulatorEndsSetUpWithATypedOrABrowsedFolder)
{
    dir.write("r/snes/mario.smc", "");
    dir.write("emu/x.exe", "");
    const std::array<std::string, 4> folders{path("r/snes"), path("r/gen"), path("r/neo"), path("r/mame")};
    static_assert(kSnes == 0 && kGenesis == 1 && kNeoRage == 2 && kMame == 3);
    for (const bool browsed : {false, true}) {
        for (std::size_t i = 0; i < kEmulators.size(); ++i) {
            const auto& row = kEmulators[i];
            view.fileAnswers.push_back(path("emu/x.exe"));
            (browsed ? view.browsedFolders : view.inputAnswers).push_back(folders[i]);
            entry(row.setupEntry)->trigger();
            EXPECT_EQ(view.inputCalls.back().browseStart, path("emu")) << "Browse starts in the program's folder";
            const auto& shown = view.emulators[i];
            EXPECT_TRUE(shown.optionEnabled && shown.optionSelected && shown.boxEnabled && shown.text.empty() &&
                        shown.setupChecked && form->workingPaths().*row.romDirCopy == folders[i])
                << row.name << (browsed ? " browsed" : " typed") << ": not set up";
        }
    }
}

TEST(BrowseStart, ARelativeOrMissingPathStartsAtTheNearestFolderAndNothingAtTheDialogsDefault)
{
    TempDir dir;
    dir.write("start/roms/snes/a.smc", "");
    FakeSystem system(dir.path(), dir.file("start"));
    const auto start = dir.file("start");
    EXPECT_EQ(browseStartFolder(system, start, "roms/snes/gone  "), dir.file("start/roms/snes"));
    EXPECT_EQ(browseStartFolder(system, start, ""), std::nullopt);
}
