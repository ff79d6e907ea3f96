#include "core/fixed_field.h"
#include "core/name_matching.h"
#include "core/path_names.h"
#include "support/held_reads_fixture.h"
#include "system/directory_listing.h"

#include <random>
#include <sstream>

using namespace varnix;

namespace {

// Four emulators set up, every read held until the test ends it, and a user
// who acts while reads are under way and while boxes are open.
class ReadOrder : public HeldReads {
protected:
    // Ends the reads of `directory`, also those their ends begin.
    void endAll(const std::string& directory)
    {
        const auto held = [&] {
            return std::any_of(system.heldReads.begin(), system.heldReads.end(),
                               [&](const auto& read) { return read.directory == directory; });
        };
        while (held())
            endRead(directory);
    }
    void setUp(std::string_view entryName, const std::string& folder)
    {
        view.fileAnswers.push_back("/emu/new");
        view.inputAnswers.push_back(folder);
        entry(entryName)->trigger();
    }
    std::string romDirectory(std::size_t emulator) const
    {
        return withoutTrailingBlanks(form->workingPaths().*kEmulators[emulator].romDirCopy);
    }
    // What the file list must hold for `emulator` once its reads are over.
    std::vector<std::string> romsOf(std::size_t emulator) const
    {
        auto names = listFiles(romDirectory(emulator));
        const auto patterns = splitPatterns(kEmulators[emulator].filePattern);
        std::erase_if(names, [&](const std::string& name) { return !matchesAnyWildcard(name, patterns); });
        return names;
    }
};

}  // namespace

// Seeded random acts of the user and ends of reads, checked against what the
// window must show after every step.
TEST_F(ReadOrder, RandomActsAndReadEndsLeaveTheWindowAsTheLastChoiceHasIt)
{
    const std::array<std::string, 5> folders{dir.file("r/snes"), dir.file("r/gen"), dir.file("r/neo"),
                                             dir.file("r/mame"), dir.file("r/gone")};
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        form.reset();
        view = FakeView{};
        system.heldReads.clear();
        system.holdReads = false;
        startForm();
        system.holdReads = true;
        std::mt19937 random(seed);
        const auto pick = [&random](std::size_t count) {
            return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
        };
        std::vector<std::string> steps;
        const auto endSome = [&] {
            for (auto n = pick(3); n > 0 && !system.heldReads.empty(); --n) {
                const auto i = pick(system.heldReads.size());
                steps.push_back("  end read of " + system.heldReads[i].directory);
                system.endRead(i);
            }
        };
        view.whileModal = [&] {
            if (pick(2) == 0)
                endSome();
        };
        const auto broken = [&](const std::string& what) {
            std::ostringstream story;
            for (auto i = steps.size() > 40 ? steps.size() - 40 : 0; i < steps.size(); ++i)
                story << steps[i] << '\n';
            ADD_FAILURE() << "seed " << seed << ": " << what << "\nlast steps:\n" << story.str();
        };

        for (int step = 0; step < 1500; ++step) {
            const auto emulator = pick(4);
            const auto& row = kEmulators[emulator];
            const auto act = pick(9);
            const char* acts[] = {"option", "picture", "setup", "Dir1 double-click", "PLAY"};
            steps.push_back(std::to_string(step) + ": " + (act < 5 ? acts[act] : "ends") + " " + row.name);
            std::optional<std::string> played;
            if (act == 0) {
                option(row.optionButton)->click();
            } else if (act == 1) {
                clickPicture(row.picture);
            } else if (act == 2) {
                const auto& folder = pick(4) == 0 ? folders[4] : folders[emulator];
                steps.back() += " in " + folder;
                setUp(row.setupEntry, folder);
            } else if (act == 3 && showsDirs() && !directoryEntries().empty()) {
                form->Dir1_DblClick(pick(directoryEntries().size()));
            } else if (act == 4) {
                if (!fileEntries().empty()) {
                    view.selectedFile = pick(fileEntries().size());
                    played = fileEntries()[*view.selectedFile];
                }
                const auto selected = form->selectedEmulator();
                const auto starts = system.starts.size();
                play();
                if (system.starts.size() > starts && selected &&
                    system.starts.back().currentDir != romDirectory(*selected))
                    return broken("PLAY started outside the chosen emulator's folder");
                if (system.starts.size() > starts && played && kEmulators[*selected].romList == RomList::Files &&
                    !std::filesystem::exists(std::filesystem::path(romDirectory(*selected)) / *played))
                    return broken("PLAY started " + *played + ", not a ROM of the chosen emulator");
            } else {
                endSome();
            }

            if (view.mostModalAtOnce > 1)
                return broken("two boxes open at once");
            if (!system.heldReads.empty())
                continue;
            if (form->readUnderWay() || !view.reading.empty())
                return broken("a read left under way");
            const auto selected = form->selectedEmulator();
            if (!selected)
                continue;
            if (kEmulators[*selected].romList == RomList::Directories) {
                if (!showsDirs())
                    return broken("NeoRage chosen, the file list shown");
            } else if (std::filesystem::is_directory(romDirectory(*selected)) &&
                       (!showsFiles() || fileEntries() != romsOf(*selected))) {
                return broken(std::string("the file list is not ") + kEmulators[*selected].name + "'s");
            }
        }
    }
}

TEST_F(ReadOrder, AReadsEndWaitsForTheBoxThatIsOpenAndComesAfterItInTheOrderReadsEnded)
{
    std::filesystem::remove_all(dir.file("r/mame"));
    option("optSnes")->click();
    option("optMAME")->click();  // gives up SNES's read
    const auto mame = system.heldReads.back().directory;
    view.whileModal = [&] {
        view.whileModal = nullptr;
        endRead(mame);  // fails: the share dropped
        EXPECT_EQ(view.messages, std::vector<std::string>{"No file selected!"}) << "nothing on top of the box";
        EXPECT_TRUE(option("optMAME")->isEnabled()) << "nor under it";
    };
    play();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"No file selected!", "Incorrect directory please run setup!"}));
    EXPECT_EQ(view.mostModalAtOnce, 1);
    EXPECT_FALSE(option("optMAME")->isEnabled());

    // The setup's dialogs: Genesis's read ends while they are open, and the
    // setup's selection, a newer act, gives it up.
    bool ended = false;
    view.whileModal = [&] {
        if (!std::exchange(ended, true))
            endRead(dir.file("r/gen"));
        EXPECT_TRUE(fileEntries().empty()) << "nothing fills under a dialog";
    };
    view.messages.clear();
    option("optGenesis")->click();
    setUp("mnuSnes", dir.file("r/snes"));
    endAll(dir.file("r/snes"));
    EXPECT_EQ(fileEntries().size(), 5u);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.mostModalAtOnce, 1);
}

TEST_F(ReadOrder, OneActsReadsEndInTheirOrderAndAFailedSetupLeavesTheStartDirectoryShown)
{
    // A fresh configuration, NeoRage set up with a folder that cannot be
    // read: the selection fails, its failure path shows the directory list
    // (first read: the start directory), then the setup's own read fails,
    // or lists the folder where it has come meanwhile.
    for (const int order : {0, 1, 2}) {
        SCOPED_TRACE(order);
        std::filesystem::remove(dir.file("start/varnix.dat"));
        std::filesystem::remove_all(dir.file("r/late"));
        std::filesystem::create_directories(dir.file("start/games"));
        form.reset();
        view = FakeView{};
        system.heldReads.clear();
        startForm();
        system.heldReads.clear();  // the start's file list, not wanted here
        setUp("mnuNeoRage", dir.file("r/late"));
        endRead(dir.file("r/late"));
        ASSERT_EQ(system.heldReads.size(), 2u);
        EXPECT_EQ(system.heldReads[0].directory, dir.file("start"));
        if (order == 2)
            std::filesystem::create_directories(dir.file("r/late/kof"));
        if (order == 0) {
            endRead(dir.file("start"));
            EXPECT_FALSE(view.reading.empty()) << "the setup's own read is still under way";
        }
        endRead(dir.file("r/late"));
        if (order != 0)
            endRead(dir.file("start"));
        const auto shown = order == 2 ? dir.file("r/late") : dir.file("start");
        EXPECT_EQ(form->directoryListPath(), shown) << "the setup's read comes after the start directory's";
        EXPECT_EQ(directoryEntries().back(), order == 2 ? "kof" : "games");
        EXPECT_FALSE(option("optNeoRage")->isEnabled()) << "its selection failed";
        EXPECT_EQ(view.messages.size(), 2u);  // the missing file's, the selection's
    }
}

TEST_F(ReadOrder, ASetupGivesUpTheReadItsEmulatorsChoiceStillMakes)
{
    std::filesystem::remove_all(dir.file("r/mame"));
    dir.write("r/mame2/x.zip", "");
    option("optMAME")->click();  // its folder gone: the read will fail
    setUp("mnuMAME", dir.file("r/mame2"));
    endRead(dir.file("r/mame"));
    endRead(dir.file("r/mame2"));
    EXPECT_TRUE(view.messages.empty()) << "the failure of a read given up is never shown";
    EXPECT_TRUE(option("optMAME")->isEnabled());
    EXPECT_EQ(fileEntries(), std::vector<std::string>{"x.zip"});
}

TEST_F(ReadOrder, LettersTypedFindRowsOfTheListAsItShowsAndNoneWhileAReadIsUnderWay)
{
    option("optMAME")->click();
    endRead(dir.file("r/mame"));  // GALAGA.ZIP, pacman.zip
    form->listTyped(RomList::Files, "p", 1000);
    EXPECT_EQ(view.selectedFile, 1u);
    option("optSnes")->click();
    endRead(dir.file("r/snes"));  // other rows: what was typed is forgotten
    form->listTyped(RomList::Files, "b", 1100);
    EXPECT_EQ(view.selectedFile, 1u) << "b.SFC";
    option("optMAME")->click();
    form->listTyped(RomList::Files, "b", 1200);
    EXPECT_FALSE(view.selectedFile) << "not in the names the read will replace";
    option("optNeoRage")->click();
    while (!system.heldReads.empty())
        system.endRead(0);
    form->listTyped(RomList::Directories, "MSL", 1300);
    EXPECT_EQ(directoryEntries().at(view.selectedDirectory.value()), "mslug");
}

TEST_F(ReadOrder, AReadHeldWhenTheWindowGoesEndsIntoNothing)
{
    option("optMAME")->click();
    entry("mnuMAME")->trigger();  // its read again, held too
    ASSERT_EQ(system.heldReads.size(), 2u);
    form.reset();
    while (!system.heldReads.empty())
        system.endRead(0);
    EXPECT_TRUE(view.messages.empty());
}
