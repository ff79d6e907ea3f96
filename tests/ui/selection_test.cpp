#include "config/config_record.h"
#include "support/form_fixture.h"
#include "ui/click_label.h"
#include "ui/dir_list_box.h"
#include "ui/file_list_box.h"

using namespace varnix;

namespace {

QStringList entries(const QAbstractItemView* list)
{
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        names << list->model()->index(row, 0).data().toString().trimmed();
    return names;
}

// Four emulators set up from a file, with ROM directories of the test's own;
// the paths carry the file's blank padding, as after every real start.
class Selection : public FormTest {
protected:
    Selection()
    {
        for (const char* name : {"a.smc", "b.SFC", "c.fig", "d.1", "e.2", "f.zip"})
            dir.write(std::string("r/snes/") + name, "");
        for (const char* name : {"x.smd", "x.smd2", "x.smd.bak", "y.bin", "w.zip"})
            dir.write(std::string("r/gen/") + name, "");
        for (const char* name : {"kof98/k.p1", "mslug/m.p1", "readme.txt"})
            dir.write(std::string("r/neo/") + name, "");
        for (const char* name : {"pacman.zip", "GALAGA.ZIP", "notes.txt", "sub.zip/inner"})
            dir.write(std::string("r/mame/") + name, "");
        ConfigRecord record;
        const std::pair<Field, std::string> fields[] = {
            {Field::SnesExe, "/emu/snes"},          {Field::SnesRomDir, dir.file("r/snes")},
            {Field::GenesisExe, "/emu/gen"},        {Field::GenesisRomDir, dir.file("r/gen")},
            {Field::NeoRageExe, "/emu/neo"},        {Field::NeoRageRomDir, dir.file("r/neo")},
            {Field::MameExe, "/emu/mame"},          {Field::MameRomDir, dir.file("r/mame")},
            {Field::MameParams, "-window"},
        };
        for (const auto& [field, text] : fields)
            record.set(field, text);
        dir.write("start/varnix.dat", std::string(record.bytes()));
        startForm();
        files = control<FileListBox>("fileRoms");
        dirs = control<DirListBox>("Dir1");
    }

    bool showsFiles() const { return files->isVisibleTo(form.get()) && !dirs->isVisibleTo(form.get()); }
    bool showsDirs() const { return dirs->isVisibleTo(form.get()) && !files->isVisibleTo(form.get()); }
    void clickPicture(const char* name) { control<ClickLabel>(name)->clicked(); }

    FileListBox* files = nullptr;
    DirListBox* dirs = nullptr;
};

}  // namespace

TEST_F(Selection, EachEmulatorListsItsOwnRomsWithoutRegardToCase)
{
    option("optSnes")->click();
    EXPECT_EQ(entries(files), (QStringList{"a.smc", "b.SFC", "c.fig", "d.1", "e.2"}));
    EXPECT_TRUE(showsFiles());
    EXPECT_TRUE(box("Text1")->isEnabled());

    option("optGenesis")->click();
    EXPECT_EQ(entries(files), (QStringList{"x.smd", "x.smd.bak", "x.smd2", "y.bin"}));

    option("optNeoRage")->click();
    EXPECT_TRUE(showsDirs());
    EXPECT_EQ(dirs->path(), dir.file("r/neo"));
    EXPECT_EQ(entries(dirs).mid(entries(dirs).size() - 2), (QStringList{"kof98", "mslug"}))
        << "sub-directories only, after the chain down to the ROM directory";

    option("optMAME")->click();
    EXPECT_TRUE(showsFiles());
    EXPECT_EQ(entries(files), (QStringList{"GALAGA.ZIP", "pacman.zip"})) << "no text file, no directory";
    EXPECT_EQ(box("Text4")->text(), "-window" + QString(43, ' ')) << "success changes no parameter text";
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(option("optSnes")->isChecked());
}

TEST_F(Selection, ABadRomDirectoryIsReportedOnceAndTurnsTheEmulatorNotSetup)
{
    option("optSnes")->click();
    const auto snesRoms = entries(files);
    std::filesystem::remove_all(dir.file("r/mame"));
    option("optMAME")->click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Incorrect directory please run setup!");
    EXPECT_TRUE(showsFiles());
    EXPECT_EQ(entries(files), snesRoms) << "the list keeps what it showed";
    EXPECT_FALSE(option("optMAME")->isEnabled());
    EXPECT_FALSE(option("optMAME")->isChecked());
    EXPECT_FALSE(box("Text4")->isEnabled());
    EXPECT_EQ(box("Text4")->text(), "Not Setup");
    EXPECT_FALSE(entry("mnuMAME")->isChecked());

    // MAME forgets its executable; Genesis keeps its own.
    std::filesystem::remove_all(dir.file("r/gen"));
    option("optGenesis")->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
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
    EXPECT_EQ(dirs->path(), dir.file("r/neo")) << "as it showed before";
    EXPECT_EQ(form->workingPaths().NeoRageExe, std::string(50, ' '));
    EXPECT_FALSE(option("optNeoRage")->isChecked());
}

TEST_F(Selection, PicturesSelectOnlyEnabledEmulators)
{
    clickPicture("Image2");
    EXPECT_TRUE(option("optGenesis")->isChecked());
    files->setCurrentIndex(files->model()->index(1, 0));
    clickPicture("Image2");
    EXPECT_EQ(files->fileName(), "x.smd.bak") << "the selected emulator's picture leaves the list as it is";

    std::filesystem::remove_all(dir.file("r/snes"));
    clickPicture("Image1");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(option("optSnes")->isEnabled());
    EXPECT_TRUE(box("Text1")->isEnabled()) << "the picture enables the box after the failed selection";
    EXPECT_EQ(box("Text1")->text(), "Not Setup");

    clickPicture("Image1");  // now disabled: nothing, no second message
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(option("optSnes")->isChecked());
}

TEST_F(Selection, AFirstNeoRageFailureShowsTheStartDirectory)
{
    form->show();
    std::filesystem::remove_all(dir.file("r/neo"));
    option("optNeoRage")->click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(showsDirs());
    EXPECT_EQ(dirs->path(), dir.file("start"));
}
