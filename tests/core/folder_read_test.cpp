#include "support/held_reads_fixture.h"

using namespace varnix;

TEST_F(HeldReads, EachSelectionShowsItsListOnlyWhenItsReadEndsAndPlayMeanwhilePlaysNothing)
{
    const std::array<std::string, 4> folders{dir.file("r/snes"), dir.file("r/gen"), dir.file("r/neo"),
                                             dir.file("r/mame")};
    for (std::size_t i = 0; i < kEmulators.size(); ++i) {
        const auto& row = kEmulators[i];
        SCOPED_TRACE(row.name);
        view.emulators[i].boxEnabled = false;  // the selection enables it after its read
        option(row.optionButton)->click();
        ASSERT_EQ(system.heldReads.size(), 1u);
        EXPECT_EQ(view.reading, std::vector<RomList>{row.romList});
        EXPECT_TRUE(listIsEmpty(row.romList)) << "nothing of the folder shown before";
        EXPECT_FALSE(view.emulators[i].boxEnabled) << "the steps after the read wait for it";
        if (row.launch.needsSelection) {
            play();
            EXPECT_TRUE(system.starts.empty()) << "nothing of another folder can be played";
            EXPECT_EQ(view.messages, std::vector<std::string>{"No file selected!"});
            view.messages.clear();
        }

        endRead(folders[i]);
        EXPECT_TRUE(view.reading.empty());
        EXPECT_FALSE(listIsEmpty(row.romList));
        EXPECT_EQ(view.shownList, row.romList);
        EXPECT_TRUE(view.emulators[i].boxEnabled);
        EXPECT_TRUE(view.messages.empty());
    }
}

TEST_F(HeldReads, TheLastChoiceWinsWhicheverReadEndsLast)
{
    option("optGenesis")->click();
    endRead(dir.file("r/gen"));
    const auto genesis = fileEntries();
    option("optMAME")->click();
    option("optNeoRage")->click();
    EXPECT_EQ(fileEntries(), genesis) << "MAME's read given up: the file list holds what it held";
    EXPECT_EQ(view.reading, std::vector<RomList>{RomList::Directories});
    option("optSnes")->click();
    std::filesystem::remove_all(dir.file("r/neo"));
    endRead(dir.file("r/snes"));
    endRead(dir.file("r/neo"));  // fails, but is no longer the user's choice
    endRead(dir.file("r/mame"));
    EXPECT_EQ(fileEntries(), (std::vector<std::string>{"a.smc", "b.SFC", "c.fig", "d.1", "e.2"}));
    EXPECT_TRUE(showsFiles());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(option("optNeoRage")->isEnabled());
    EXPECT_EQ(form->workingPaths().NeoRageExe.substr(0, 8), "/emu/neo");
}

TEST_F(HeldReads, AFailedReadRunsTheFailurePathWhenItEndsAndLeavesTheListAsItWas)
{
    option("optSnes")->click();
    endRead(dir.file("r/snes"));
    const auto snes = fileEntries();
    std::filesystem::remove_all(dir.file("r/mame"));
    option("optMAME")->click();
    EXPECT_TRUE(view.messages.empty()) << "not before the read ends";
    EXPECT_TRUE(option("optMAME")->isEnabled());

    endRead(dir.file("r/mame"));
    EXPECT_EQ(view.messages, std::vector<std::string>{"Incorrect directory please run setup!"});
    EXPECT_EQ(fileEntries(), snes);
    EXPECT_TRUE(view.reading.empty());
    EXPECT_FALSE(option("optMAME")->isEnabled());

    option("optNeoRage")->click();
    endRead(dir.file("r/neo"));
    const auto games = directoryEntries();
    std::filesystem::remove_all(dir.file("r/neo/kof98"));
    openDirectory("kof98");
    endRead(dir.file("r/neo/kof98"));
    EXPECT_EQ(directoryEntries(), games) << "a directory gone since it was listed leaves the list as it was";
    EXPECT_EQ(form->workingPaths().MameExe, std::string(50, ' '));
}

TEST_F(HeldReads, StartUpAndTheDirectoryListReadOffTheWindowsThreadToo)
{
    dir.write("start/intro.fuc", "");
    createForm();  // started anew, its start directory's read held
    EXPECT_TRUE(fileEntries().empty());
    endRead(dir.file("start"));
    EXPECT_EQ(fileEntries(), std::vector<std::string>{"intro.fuc"});

    form->Form_Load();
    option("optNeoRage")->click();
    endRead(dir.file("r/neo"));
    openDirectory("kof98");
    EXPECT_EQ(form->directoryListPath(), "") << "no game of the folder left while the next one is read";
    EXPECT_TRUE(directoryEntries().empty());
    play();
    EXPECT_EQ(view.messages, std::vector<std::string>{"No file selected!"});
    endRead(dir.file("r/neo/kof98"));
    EXPECT_EQ(form->directoryListPath(), dir.file("r/neo/kof98"));
}

TEST_F(HeldReads, ASetupReadsAgainAfterItsSelectionAndAnEmulatorSetUpStaysEnabledWhenSuperseded)
{
    const auto setUpSnesIn = [&](const char* folder) {
        dir.write(std::string(folder) + "/z.smc", "");
        view.fileAnswers.push_back("/emu/snes2");
        view.inputAnswers.push_back(dir.file(folder));
        entry("mnuSnes")->trigger();
    };
    const auto failSnes = [&] {  // its button disabled again
        std::filesystem::remove_all(dir.file("r/snes"));
        option("optSnes")->click();
        endRead(dir.file("r/snes"));
        option("optMAME")->click();
        endRead(dir.file("r/mame"));
        ASSERT_FALSE(option("optSnes")->isEnabled());
    };
    failSnes();
    setUpSnesIn("r/snes");
    option("optGenesis")->click();  // before the setup's read has ended
    EXPECT_TRUE(option("optSnes")->isEnabled());
    endRead(dir.file("r/snes"));
    endRead(dir.file("r/gen"));
    EXPECT_TRUE(system.heldReads.empty()) << "a superseded setup reads no more";
    EXPECT_EQ(fileEntries(), (std::vector<std::string>{"x.smd", "x.smd.bak", "x.smd2", "y.bin"}));

    failSnes();
    setUpSnesIn("r/snes");
    EXPECT_FALSE(option("optSnes")->isEnabled()) << "this row enables its button after its selection's steps";
    endRead(dir.file("r/snes"));
    EXPECT_TRUE(option("optSnes")->isEnabled());
    ASSERT_EQ(system.heldReads.size(), 1u) << "the list is read again";
    endRead(dir.file("r/snes"));
    EXPECT_EQ(fileEntries(), std::vector<std::string>{"z.smc"});
}
