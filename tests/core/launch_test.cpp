#include "core/config_record.h"
#include "core/fixed_field.h"
#include "core/path_names.h"
#include "support/form_fixture.h"


using namespace varnix;

namespace {

std::string padded(const std::string& text, std::size_t width = 50)
{
    return fitToWidth(text, width);
}

// Four emulators set up from a file, as after a real start: the working
// paths carry the file's blank padding.
class Launch : public FormTest {
protected:
    Launch()
    {
        for (const char* name : {"Super Puzzle.smc", "plain.smc"})
            dir.write(std::string("r/snes/") + name, "");
        dir.write("r/gen/Blue Hedgehog.smd", "");
        dir.write("r/mame/sf2.alt.zip", "");
        dir.write("r/mame/pacman.zip", "");
        dir.write("r/neo/mslug/mslug.p1", "");
        if (!kWindowsPaths) {  // Windows names hold no double quote
            dir.write("r/odd/pac man.zip", "");
            dir.write("r/odd/sf2 -cheat.zip", "");
            dir.write("r/odd/\xe9t\xe9.smc", "");  // Latin-1 on a UTF-8 system
            dir.write("r/odd/Neo \"Geo\"/game.p1", "");
        }
        std::filesystem::create_directories(dir.file("r/empty"));
    }

    void start(const std::string& snesRomDir = "r/snes", std::string mameRomDir = {})
    {
        ConfigRecord record;
        if (mameRomDir.empty())
            mameRomDir = dir.file("r/mame");
        const std::pair<Field, std::string> fields[] = {
            {Field::SnesExe, "/emu/snes"},           {Field::SnesRomDir, dir.file(snesRomDir)},
            {Field::GenesisExe, "/emu/gen"},         {Field::GenesisRomDir, dir.file("r/gen")},
            {Field::NeoRageExe, "/emu/neo"},         {Field::NeoRageRomDir, dir.file("r/neo")},
            {Field::MameExe, "/emu/mame"},           {Field::MameRomDir, mameRomDir},
            {Field::SnesParams, "-stored"},
        };
        for (const auto& [field, text] : fields)
            record.set(field, text);
        dir.write("start/varnix.dat", std::string(record.bytes()));
        startForm();
    }

    void choose(const char* optionName, const std::string& parameters)
    {
        option(optionName)->click();
        box(optionName == std::string("optSnes")      ? "Text1"
            : optionName == std::string("optGenesis") ? "Text2"
            : optionName == std::string("optMAME")    ? "Text4"
                                                      : "Text3")
            ->setText(parameters);
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        for (const auto& started : system.starts)
            result.push_back(started.line);
        return result;
    }
};

}  // namespace

TEST_F(Launch, EachEmulatorStartsItsOwnLineInItsRomDirectory)
{
    start();
    choose("optSnes", "-f  x");
    selectFile("Super Puzzle.smc");
    play();
    choose("optGenesis", "-g");
    selectFile("Blue Hedgehog.smd");
    play();
    choose("optMAME", "-window");
    selectFile("sf2.alt.zip");
    play();
    choose("optNeoRage", "-n");
    play();

    ASSERT_EQ(system.starts.size(), 4u);
    // Executables loaded from the file keep their padding, except NeoRage's.
    EXPECT_EQ(system.starts[0].line, padded("/emu/snes") + " -f  x \"Super Puzzle.smc\"");
    EXPECT_EQ(system.starts[0].currentDir, dir.file("r/snes"));
    EXPECT_EQ(system.starts[1].line, padded("/emu/gen") + " \"Blue Hedgehog.smd\" -g") << "the ROM comes first";
    EXPECT_EQ(system.starts[1].currentDir, dir.file("r/gen"));
    EXPECT_EQ(system.starts[2].line, padded("/emu/mame") + " -window sf2") << "up to the first dot, no short form";
    EXPECT_EQ(system.starts[2].currentDir, dir.file("r/mame"));
    EXPECT_EQ(system.starts[3].line, "/emu/neo neo -n")
        << "with no game opened, the ROM directory's own name is the game";
    EXPECT_EQ(system.starts[3].currentDir, dir.file("r/neo"));
    EXPECT_EQ(form->workingPaths().NeoRageExe, "/emu/neo") << "the working copy stays trimmed";
    EXPECT_EQ(system.currentDirectory(), dir.file("r/neo")) << "the last ROM directory stays current";
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Launch, EmptyPiecesKeepTheirPlaceAndStoredParametersKeepTheirBlanks)
{
    start();
    option("optGenesis")->click();
    play();  // Genesis needs no selection
    option("optSnes")->click();
    selectFile("plain.smc");
    play();
    box("Text1")->clear();
    play();
    std::filesystem::remove(dir.file("r/snes/plain.smc"));
    play();

    EXPECT_EQ(lines(), (std::vector<std::string>{
                           padded("/emu/gen") + "  ",
                           padded("/emu/snes") + " " + padded("-stored", 30) + " plain.smc",
                           padded("/emu/snes") + "  plain.smc",
                           padded("/emu/snes") + "  ",  // a vanished file leaves an empty ROM piece
                       }));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Launch, NeoRagePassesTheOpenedGameDirectory)
{
    start();
    choose("optNeoRage", "");
    openDirectory("mslug");
    play();
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_EQ(lines()[0], "/emu/neo mslug ");
    EXPECT_EQ(system.starts[0].currentDir, dir.file("r/neo")) << "the directory of all games, not the game's";
}

TEST_F(Launch, OddNamesReachTheEmulatorAsOneArgumentWithTheirOwnBytes)
{
    if (kWindowsPaths)
        GTEST_SKIP() << "Windows names hold no double quote";
    start("r/odd", dir.file("r/odd"));
    option("optSnes")->click();
    view.selectedFile = 0;  // shown as "?t?.smc"
    play();
    option("optMAME")->click();
    selectFile("pac man.zip");
    play();
    selectFile("sf2 -cheat.zip");
    play();
    option("optNeoRage")->click();
    openDirectory("r");
    openDirectory("odd");
    openDirectory("Neo \"Geo\"");
    play();

    EXPECT_EQ(lines(), (std::vector<std::string>{
                           padded("/emu/snes") + " " + padded("-stored", 30) + " \xe9t\xe9.smc",
                           padded("/emu/mame") + "  \"pac man\"",
                           padded("/emu/mame") + "  \"sf2 -cheat\"",
                           "/emu/neo \"Neo \"\"Geo\"\"\" ",
                       }));
}

TEST_F(Launch, ARelativeRomDirectoryMeansTheSameOneAfterAPlay)
{
    start("r/snes", "../r/mame");
    option("optSnes")->click();
    selectFile("plain.smc");
    play();
    option("optMAME")->click();
    EXPECT_TRUE(view.messages.empty());
    selectFile("pacman.zip");
    play();
    ASSERT_EQ(system.starts.size(), 2u);
    EXPECT_EQ(std::filesystem::canonical(system.starts[1].currentDir),
              std::filesystem::canonical(dir.file("r/mame")));
    EXPECT_EQ(form->workingPaths().MameRomDir, padded("../r/mame")) << "the stored text stays as typed";
}

TEST_F(Launch, NothingChosenOrNothingSelectedStartsNothing)
{
    start();
    play();
    EXPECT_TRUE(view.messages.empty()) << "no emulator chosen: nothing at all";

    option("optSnes")->click();
    play();
    option("optMAME")->click();
    std::filesystem::remove(dir.file("r/mame/sf2.alt.zip"));
    std::filesystem::remove(dir.file("r/mame/pacman.zip"));
    std::filesystem::remove_all(dir.file("r/empty"));
    play();  // the list still shows MAME's two files, none selected

    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], "No file selected!");
    EXPECT_EQ(view.messages[1], "No file selected!");
    EXPECT_TRUE(system.starts.empty());
    EXPECT_EQ(system.currentDirectory(), dir.file("start")) << "no directory was changed";
}

TEST_F(Launch, RomDirectoryStepShortensTheWorkingCopyForGood)
{
    start("r/snes/");
    option("optSnes")->click();
    selectFile("plain.smc");
    play();
    EXPECT_EQ(form->workingPaths().SnesRomDir, dir.file("r/snes")) << "separator and padding gone";
    EXPECT_EQ(system.currentDirectory(), dir.file("r/snes"));
    entry("mnuConfig")->trigger();
    EXPECT_EQ(ConfigRecord::fromBytes(dir.read("program/varnix.dat")).get(Field::SnesRomDir),
              padded(dir.file("r/snes")));
}

TEST_F(Launch, AFailedStartIsReportedAndTheWindowStaysUsable)
{
    start();
    option("optSnes")->click();
    selectFile("plain.smc");
    system.startFails = true;
    play();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(view.messages[0].starts_with("SNES could not be started: cannot run /emu/snes"))
        << view.messages[0];

    std::filesystem::remove_all(dir.file("r/snes"));
    system.startFails = false;
    play();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_TRUE(view.messages[1].find(dir.file("r/snes")) != std::string::npos)
        << "a ROM directory that cannot be entered is named";
    EXPECT_TRUE(system.starts.empty()) << "never started from the wrong directory";

    option("optGenesis")->click();
    play();
    play();
    EXPECT_EQ(system.starts.size(), 2u) << "PLAY twice starts two emulators";
}

TEST_F(Launch, AnEmulatorWithoutAProgramIsNeverStarted)
{
    start();
    option("optMAME")->click();
    selectFile("pacman.zip");
    entry("mnuMAME")->trigger();  // cancelled: MAME forgets its program but stays chosen
    ASSERT_TRUE(option("optMAME")->isChecked());
    play();
    EXPECT_TRUE(system.starts.empty()) << "its parameters or ROM would have become the program";
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "MAME is not set up. Please run Setup.");
}

TEST_F(Launch, TheHomePageLinkOpensTheAddressAndNothingElse)
{
    start();
    form->Label4_Click();
    EXPECT_EQ(view.opened, std::vector<std::string>{"http://www.varnix.example/"});
    EXPECT_TRUE(view.messages.empty());

    view.openSucceeds = false;
    form->Label4_Click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "The home page could not be opened: http://www.varnix.example/");
    EXPECT_FALSE(view.ended);
}

TEST_F(Launch, ANameTheCodePageCannotHoldStartsNothingWhereNoShortNameStandsIn)
{
    if (!kWindowsPaths)
        GTEST_SKIP() << "only Windows names can be beyond the code page";
    system.listing = std::vector<std::string>{"?.smc"};  // "?" for what the page lacks: no short name
    start();
    choose("optSnes", "");
    selectFile("?.smc");
    play();
    EXPECT_TRUE(system.starts.empty());
    EXPECT_EQ(view.messages, std::vector<std::string>{"?.smc cannot be passed to SNES: the system's code page cannot "
                                                      "hold its name, and its disk keeps no short names."});
}
