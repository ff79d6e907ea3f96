#include "support/selection_fixture.h"

using namespace varnix;


TEST_F(Selection, EachEmulatorListsItsOwnRomsWithoutRegardToCase)
{
    view.emulators[kSnes].boxEnabled = false;  // the selection enables the box itself
    option("optSnes")->click();
    EXPECT_EQ(fileEntries(), (std::vector<std::string>{"a.smc", "b.SFC", "c.fig", "d.1", "e.2"}));
    EXPECT_TRUE(showsFiles());
    EXPECT_TRUE(box("Text1")->isEnabled());

    option("optGenesis")->click();
    EXPECT_EQ(fileEntries(), (std::vector<std::string>{"x.smd", "x.smd.bak", "x.smd2", "y.bin"}));

    option("optNeoRage")->click();
    EXPECT_TRUE(showsDirs());
    EXPECT_EQ(form->directoryListPath(), dir.file("r/neo"));
    const auto games = directoryEntries();
    EXPECT_EQ(std::vector<std::string>(games.end() - 2, games.end()), (std::vector<std::string>{"kof98", "mslug"}))
        << "sub-directories only, after the chain down to the ROM directory";

    option("optMAME")->click();
    EXPECT_TRUE(showsFiles());
    EXPECT_EQ(fileEntries(), (std::vector<std::string>{"GALAGA.ZIP", "pacman.zip"})) << "no text file, no directory";
    EXPECT_EQ(box("Text4")->text(), "-window" + std::string(43, ' ')) << "success changes no parameter text";
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(option("optSnes")->isChecked());
}

TEST_F(Selection, ABadRomDirectoryIsReportedOnceAndTurnsTheEmulatorNotSetup)
{
    option("optSnes")->click();
    const auto snesRoms = fileEntries();
    std::filesystem::remove_all(dir.file("r/mame"));
    option("optMAME")->click();

    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Incorrect directory please run setup!");
    EXPECT_TRUE(showsFiles());
    EXPECT_EQ(fileEntries(), snesRoms) << "the list keeps what it showed";
    EXPECT_FALSE(option("optMAME")->isEnabled());
    EXPECT_FALSE(option("optMAME")->isChecked());
    EXPECT_FALSE(box("Text4")->isEnabled());
    EXPECT_EQ(box("Text4")->text(), "Not Setup");
    EXPECT_FALSE(entry("mnuMAME")->isChecked());

    form->Command1_Click();
    EXPECT_EQ(view.messages.size(), 1u) << "after a failure no emulator is chosen: PLAY does nothing";

    // MAME forgets its executable; Genesis keeps its own.
    std::filesystem::remove_all(dir.file("r/gen"));
    option("optGenesis")->click();
    EXPECT_EQ(view.messages.size(), 2u);
    entry("mnuConfig")->trigger();
    const auto saved = ConfigRecord::fromBytes(dir.read("program/varnix.dat"));
    EXPECT_EQ(saved.get(Field::MameExe), std::string(50, ' '));
    EXPECT_EQ(saved.get(Field::GenesisExe), fitToWidth("/emu/gen", 50));
}

TEST_F(Selection, ANeoRageFailureKeepsTheDirectoryListShowingItsOldDirectory)
{
    option("optNeoRage")->click();
    option("optSnes")->click();
    EXPECT_TRUE(showsFiles()) << "switching from NeoRage brings the file list back";
    std::filesystem::remove_all(dir.file("r/neo"));
    option("optNeoRage")->click();
    EXPECT_TRUE(showsDirs());
    EXPECT_EQ(form->directoryListPath(), dir.file("r/neo")) << "as it showed before";
    EXPECT_EQ(form->workingPaths().NeoRageExe, std::string(50, ' '));
    EXPECT_FALSE(option("optNeoRage")->isChecked());
}

TEST_F(Selection, PicturesSelectOnlyEnabledEmulators)
{
    clickPicture("Image2");
    EXPECT_TRUE(option("optGenesis")->isChecked());
    view.selectedFile = 1;
    clickPicture("Image2");
    EXPECT_EQ(fileEntries().at(view.selectedFile.value()), "x.smd.bak") << "the selected emulator's picture leaves the list as it is";

    std::filesystem::remove_all(dir.file("r/snes"));
    clickPicture("Image1");
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_FALSE(option("optSnes")->isEnabled());
    EXPECT_TRUE(box("Text1")->isEnabled()) << "the picture enables the box after the failed selection";
    EXPECT_EQ(box("Text1")->text(), "Not Setup");

    clickPicture("Image1");  // now disabled: nothing, no second message
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_FALSE(option("optSnes")->isChecked());
}

TEST_F(Selection, AFirstNeoRageFailureShowsTheStartDirectory)
{
    std::filesystem::remove_all(dir.file("r/neo"));
    option("optNeoRage")->click();
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(showsDirs());
    EXPECT_EQ(form->directoryListPath(), dir.file("start"));
    ASSERT_TRUE(view.directories) << "read and shown, not only remembered";
    EXPECT_EQ(view.directories->chain.path(), dir.file("start"));
}
