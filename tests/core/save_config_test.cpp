#include "core/config_record.h"
#include "support/form_fixture.h"

using namespace varnix;

namespace {

using SaveConfig = FormTest;

}  // namespace

TEST_F(SaveConfig, AfterAMissingFileASaveWrites540BlanksInTheProgramDirectory)
{
    startForm();
    entry("mnuConfig")->trigger();
    EXPECT_EQ(dir.read("program/varnix.dat"), std::string(540, ' '));
    EXPECT_FALSE(std::filesystem::exists(dir.file("start/varnix.dat")));
    EXPECT_EQ(system.currentDirectory(), dir.file("program")) << "the program's directory stays current";
    EXPECT_EQ(view.messages.size(), 1u) << "only the start-up message, none for the save";
}

TEST_F(SaveConfig, AFileStartUpCouldNotReadIsReplacedOnlyWhenTheUserSaysYes)
{
    const std::string kept(540, 'k');
    dir.write("program/varnix.dat", kept);
    FakeSystem startedInItsFolder(dir.file("program"), dir.file("program"));
    startedInItsFolder.readFails = true;  // held by another program, say
    Form1 form(view, startedInItsFolder);
    form.Form_Load();
    startedInItsFolder.readFails = false;

    form.mnuConfig_Click();  // No, the default
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0], "The configuration file " + dir.file("program/varnix.dat") +
                                     " could not be read when Varnix started.\n\n"
                                     "Saving replaces the settings it holds with the ones shown. Save anyway?");
    EXPECT_EQ(dir.read("program/varnix.dat"), kept);
    view.yesNoAnswers = {true};
    form.mnuConfig_Click();
    EXPECT_EQ(dir.read("program/varnix.dat"), std::string(540, ' '));
    form.mnuConfig_Click();
    EXPECT_EQ(view.questions.size(), 2u) << "once written, the file is asked about no more";
    EXPECT_EQ(view.messages.size(), 1u) << "only the start-up message";

    FakeSystem startedInCapitals(dir.file("program"), dir.file("PROGRAM"));
    startedInCapitals.readFails = true;
    Form1 capitals(view, startedInCapitals);
    capitals.Form_Load();
    capitals.mnuConfig_Click();
    EXPECT_EQ(view.questions.size(), 3u) << "names that differ only in case may name one file";
}

TEST_F(SaveConfig, ASaveAsksNothingAfterAFileWasReadOrMissingOrWhenItGoesElsewhere)
{
    system.readFails = true;  // start/ cannot be read; the save goes to program/
    dir.write("start/varnix.dat", std::string(540, 'k'));
    startForm();
    form->mnuConfig_Click();
    EXPECT_EQ(dir.read("program/varnix.dat"), std::string(540, ' '));
    for (const bool present : {true, false}) {
        ConfigRecord parametersOnly;  // read, and saved back as blanks: SNES is not set up
        parametersOnly.set(Field::SnesParams, "-x");
        if (present)
            dir.write("program/varnix.dat", std::string(parametersOnly.bytes()));
        else
            std::filesystem::remove(dir.file("program/varnix.dat"));
        FakeSystem startedInItsFolder(dir.file("program"), dir.file("program"));
        Form1 here(view, startedInItsFolder);
        here.Form_Load();
        here.mnuConfig_Click();
        EXPECT_EQ(dir.read("program/varnix.dat"), std::string(540, ' ')) << present;
    }
    EXPECT_TRUE(view.questions.empty());
}

TEST_F(SaveConfig, BoxesAndWorkingPathsReachTheirFields)
{
    ConfigRecord record;
    record.set(Field::SnesExe, "/emu/snes");
    record.set(Field::SnesParams, "-a");
    record.set(Field::GenesisExe, "/emu/genesis");
    record.set(Field::NeoRageExe, "/emu/neorage");
    record.set(Field::MameExe, "/emu/mame");
    record.set(Field::MameRomDir, "/roms/mame");
    dir.write("start/varnix.dat", std::string(record.bytes()));
    startForm();

    // A stored parameter comes back unchanged; a longer one is cut to the field.
    box("Text2")->setText("Not Setup");  // the exact marker stores as blanks
    box("Text3")->setText("not setup");  // anything else is a parameter
    box("Text4")->setText(std::string(60, 'w'));
    entry("mnuConfig")->trigger();

    const auto saved = ConfigRecord::fromBytes(dir.read("program/varnix.dat"));
    EXPECT_EQ(saved.get(Field::SnesParams), fitToWidth("-a", 30));
    EXPECT_EQ(saved.get(Field::GenesisParams), std::string(30, ' '));
    EXPECT_EQ(saved.get(Field::NeoRageParams), fitToWidth("not setup", 30));
    EXPECT_EQ(saved.get(Field::MameParams), std::string(50, 'w'));
    EXPECT_EQ(saved.get(Field::MameRomDir), fitToWidth("/roms/mame", 50));
    EXPECT_EQ(saved.get(Field::SnesExe), fitToWidth("/emu/snes", 50));
    EXPECT_EQ(std::string(saved.bytes()), std::string(form->configRecord().bytes()));
}

TEST_F(SaveConfig, SavingAnEmulatorThatIsNotSetUpDropsItsParameters)
{
    ConfigRecord record;
    record.set(Field::SnesParams, "-kept-only-while-set-up");
    dir.write("start/varnix.dat", std::string(record.bytes()));
    startForm();
    entry("mnuConfig")->trigger();
    EXPECT_EQ(dir.read("program/varnix.dat"), std::string(540, ' '));
}

TEST_F(SaveConfig, AFailedSaveIsReportedAndKeepsEverySetting)
{
    ConfigRecord record;
    record.set(Field::SnesExe, "/emu/snes");
    dir.write("start/varnix.dat", std::string(record.bytes()));
    startForm();
    box("Text1")->setText("-typed");

    // The program directory vanished: the save cannot even begin.
    std::filesystem::remove(dir.file("program"));
    entry("mnuConfig")->trigger();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(view.messages[0].starts_with("The configuration could not be saved: "));

    // A directory in the way of the file: the write fails, the old one stays.
    std::filesystem::create_directories(dir.file("program/varnix.dat"));
    entry("mnuConfig")->trigger();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_NE(view.messages[1].find("varnix.dat"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("program/varnix.dat")));

    EXPECT_EQ(box("Text1")->text(), "-typed");
    EXPECT_EQ(form->workingPaths().SnesExe, fitToWidth("/emu/snes", 50));

    // Once the way is clear the same settings save.
    std::filesystem::remove(dir.file("program/varnix.dat"));
    entry("mnuConfig")->trigger();
    EXPECT_EQ(ConfigRecord::fromBytes(dir.read("program/varnix.dat")).get(Field::SnesParams), fitToWidth("-typed", 30));
}

TEST_F(SaveConfig, ExitEndsWithoutSaving)
{
    dir.write("start/varnix.dat", std::string(540, ' '));
    startForm();
    box("Text1")->setText("-changed");
    entry("mnuExit")->trigger();
    EXPECT_TRUE(view.ended);
    EXPECT_FALSE(std::filesystem::exists(dir.file("program/varnix.dat")));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SaveConfig, BytesNotInTheSystemsEncodingSurviveASave)
{
    ConfigRecord record;
    record.set(Field::SnesExe, "/emu/snes");
    record.set(Field::SnesParams, "-s \xe9t\xe9");  // Latin-1 on a UTF-8 system
    record.set(Field::GenesisExe, "/emu/gen");
    record.set(Field::GenesisParams, std::string(30, '\xe9'));  // wider on screen than the box takes
    record.set(Field::MameExe, "/emu/mame\xff");
    dir.write("start/varnix.dat", std::string(record.bytes()));
    startForm();
    entry("mnuConfig")->trigger();
    EXPECT_EQ(dir.read("program/varnix.dat"), std::string(record.bytes())) << "a save that changed nothing";

}
