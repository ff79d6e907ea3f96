#include "core/config_record.h"
#include "support/form_fixture.h"

using namespace varnix;

namespace {

const char* const kOptions[] = {"optSnes", "optGenesis", "optNeoRage", "optMAME"};
const char* const kBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
const char* const kEntries[] = {"mnuSnes", "mnuGenesis", "mnuNeoRage", "mnuMAME"};

class Startup : public FormTest {
protected:
    void writeConfig(const ConfigRecord& record) { dir.write("start/varnix.dat", std::string(record.bytes())); }

    void expectNotSetup(int row)
    {
        SCOPED_TRACE(kOptions[row]);
        EXPECT_FALSE(option(kOptions[row])->isEnabled());
        EXPECT_FALSE(option(kOptions[row])->isChecked());
        EXPECT_FALSE(box(kBoxes[row])->isEnabled());
        EXPECT_EQ(box(kBoxes[row])->text(), "Not Setup");
        EXPECT_FALSE(entry(kEntries[row])->isChecked());
    }
    void expectSetUp(int row, const std::string& parameters)
    {
        SCOPED_TRACE(kOptions[row]);
        EXPECT_TRUE(option(kOptions[row])->isEnabled());
        EXPECT_FALSE(option(kOptions[row])->isChecked()) << "start-up selects no emulator";
        EXPECT_TRUE(box(kBoxes[row])->isEnabled());
        EXPECT_EQ(box(kBoxes[row])->text(), parameters);
        EXPECT_TRUE(entry(kEntries[row])->isChecked());
    }
};

}  // namespace

TEST_F(Startup, AFullFileSetsUpAllFourWithTheirParametersAndNoMessage)
{
    ConfigRecord record;
    record.set(Field::SnesExe, "/emu/snes");
    record.set(Field::SnesParams, "-fs");
    record.set(Field::GenesisExe, "/emu/genesis");
    record.set(Field::NeoRageExe, "/emu/neorage");
    record.set(Field::NeoRageParams, std::string(30, 'p'));
    record.set(Field::MameExe, "/emu/mame");
    record.set(Field::MameParams, "-window");
    writeConfig(record);
    for (auto& shown : view.emulators)  // start-up puts each row in its state, whatever it showed
        shown = {false, false, false, false, "x"};
    startForm();

    EXPECT_TRUE(view.messages.empty());
    expectSetUp(0, "-fs" + std::string(27, ' '));  // all 30 characters, blanks included
    expectSetUp(1, "");                         // a blank field shows as empty
    expectSetUp(2, std::string(30, 'p'));
    expectSetUp(3, "-window" + std::string(43, ' '));
    EXPECT_EQ(form->workingPaths().MameExe, fitToWidth("/emu/mame", 50));
    EXPECT_EQ(form->workingPaths().SnesRomDir, std::string(50, ' '));
}

TEST_F(Startup, OnlyTheExecutableFieldDecidesAndAZeroByteCounts)
{
    ConfigRecord record;
    record.set(Field::GenesisExe, "/emu/genesis");  // with a blank ROM directory
    record.set(Field::MameExe, std::string(1, '\0'));
    record.set(Field::SnesRomDir, "/roms/snes");     // a ROM directory alone is not enough
    record.set(Field::SnesParams, "-x");
    writeConfig(record);
    startForm();

    EXPECT_TRUE(view.messages.empty());
    expectNotSetup(0);
    expectSetUp(1, "");
    expectNotSetup(2);
    expectSetUp(3, "");
}

TEST_F(Startup, AFileOfBlanksIsAllNotSetupWithoutAMessage)
{
    writeConfig(ConfigRecord());
    startForm();
    EXPECT_TRUE(view.messages.empty());
    for (int row = 0; row < 4; ++row)
        expectNotSetup(row);
}

TEST_F(Startup, AMissingFileIsReportedBeforeTheWindowShows)
{
    dir.write("program/varnix.dat", std::string(540, 'x'));  // not where start-up looks
    dir.write("start/old.fuc", "");
    dir.write("start/game.smc", "");
    startForm();
    EXPECT_EQ(form->files(), std::vector<std::string>{"old.fuc"}) << "the list starts on the start directory";
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Configuration File Not Found - Starting new......");
    for (int row = 0; row < 4; ++row)
        expectNotSetup(row);
    EXPECT_TRUE(form->workingPaths().SnesExe.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("start/varnix.dat"))) << "no file is created at start-up";
}

TEST_F(Startup, AFileThatIsThereButCannotBeReadIsReportedAsSuch)
{
    writeConfig(ConfigRecord());
    system.readFails = true;
    startForm();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "The configuration file " + dir.file("start/varnix.dat") +
                                    " is there but could not be read (Permission denied).\n\n"
                                    "Starting new: the settings shown are not the file's.");
    for (int row = 0; row < 4; ++row)
        expectNotSetup(row);
}
