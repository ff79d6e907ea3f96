#include "core/form1.h"

#include "core/browse_start.h"
#include "core/characters.h"
#include "core/command_line.h"
#include "core/emulator_table.h"
#include "core/failure.h"
#include "core/fixed_field.h"
#include "core/form1_layout.h"
#include "core/launch_rules.h"
#include "core/name_matching.h"
#include "core/system.h"
#include "core/view.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace varnix {
namespace {

const std::string kMissingConfigMessage = "Configuration File Not Found - Starting new......";

std::string unreadConfigMessage(const std::string& path, const std::string& reason)
{
    return "The configuration file " + path + " is there but could not be read (" + reason +
           ").\n\nStarting new: the settings shown are not the file's.";
}

std::string replaceUnreadConfigQuestion(const std::string& path)
{
    return "The configuration file " + path + " could not be read when Varnix started.\n\n"
           "Saving replaces the settings it holds with the ones shown. Save anyway?";
}

// Whether two names of varnix.dat may name the same file. Case is no
// difference where the system ignores it; where it does not, asking once too
// often loses nothing.
bool maySameFile(const std::string& a, const std::string& b)
{
    // ASCII letters only: a byte of a double-byte character is no letter.
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}
const std::string kIncorrectDirectoryMessage = "Incorrect directory please run setup!";
const std::string kNoFileSelectedMessage = "No file selected!";
const std::string kAllFilesFilter = "All files (*.*)|*.*|";
// Until an emulator is chosen the file list shows the start directory's
// files of this pattern, normally none.
const std::string kStartPattern = "*.fuc";

// The handlers of each emulator row, in the emulator table's order.
struct RowHandlers {
    void (Form1::*select)();
    void (Form1::*picture)();
    void (Form1::*setup)();
};
const std::array<RowHandlers, 4> kRowHandlers{{
    {&Form1::optSnes_Click, &Form1::Image1_Click, &Form1::mnuSnes_Click},
    {&Form1::optGenesis_Click, &Form1::Image2_Click, &Form1::mnuGenesis_Click},
    {&Form1::optNeoRage_Click, &Form1::Image3_Click, &Form1::mnuNeoRage_Click},
    {&Form1::optMAME_Click, &Form1::Image4_Click, &Form1::mnuMAME_Click},
}};

}  // namespace

Form1::Form1(View& view, System& system) : m_view(view), m_system(system), m_lists(view, system)
{
    try {
        m_startDirectory = m_system.currentDirectory();
        m_lists.setUnreadDirectory(m_startDirectory);  // a directory list never shown is never read
    } catch (const std::exception&) {
        return;  // no start directory: the lists stay empty
    }
    m_lists.readFiles(m_startDirectory, kStartPattern);  // unreadable, it only leaves the list empty
}

void Form1::optSnes_Click() { selectEmulator(kSnes); }
void Form1::optGenesis_Click() { selectEmulator(kGenesis); }
void Form1::optNeoRage_Click() { selectEmulator(kNeoRage); }
void Form1::optMAME_Click() { selectEmulator(kMame); }
void Form1::Image1_Click() { clickPicture(kSnes); }
void Form1::Image2_Click() { clickPicture(kGenesis); }
void Form1::Image3_Click() { clickPicture(kNeoRage); }
void Form1::Image4_Click() { clickPicture(kMame); }
void Form1::mnuSnes_Click() { setUpEmulator(kSnes); }
void Form1::mnuGenesis_Click() { setUpEmulator(kGenesis); }
void Form1::mnuNeoRage_Click() { setUpEmulator(kNeoRage); }
void Form1::mnuMAME_Click() { setUpEmulator(kMame); }

void Form1::optionClicked(std::size_t emulator)
{
    // Clicking the selected button changes nothing and runs nothing.
    if (m_selected == emulator)
        return;
    m_selected = emulator;
    (this->*kRowHandlers.at(emulator).select)();
}

void Form1::pictureClicked(std::size_t emulator)
{
    (this->*kRowHandlers.at(emulator).picture)();
}

void Form1::setupEntryClicked(std::size_t emulator)
{
    (this->*kRowHandlers.at(emulator).setup)();
}

void Form1::Form_Load()
{
    const auto handler = m_lists.handlerRuns();
    std::string path;
    std::optional<ConfigRecord> record;
    try {
        path = configFilePath();
        record = m_system.readConfig(path);
    } catch (const std::exception& failure) {
        if (path.empty())  // no current directory: no file to be found
            return startNew(kMissingConfigMessage);
        // The file is there: the user is told so, and a save will ask first.
        const auto* known = dynamic_cast<const Failure*>(&failure);
        m_unreadConfig = path;
        return startNew(unreadConfigMessage(path, known ? known->reason() : failure.what()));
    }
    if (!record)
        return startNew(kMissingConfigMessage);

    m_record = *record;
    m_paths = WorkingPaths::fromRecord(m_record);
    for (std::size_t i = 0; i < kEmulators.size(); ++i) {
        const auto& row = kEmulators[i];
        if (!m_record.isSet(row.exeField)) {
            showNotSetup(i);
            continue;
        }
        // A stored parameter text keeps its trailing blanks.
        showSetUp(i, m_record.isSet(row.paramsField) ? m_record.get(row.paramsField) : std::string());
    }
}

void Form1::mnuConfig_Click()
{
    const auto handler = m_lists.handlerRuns();
    // Nothing in memory changes until the file is safely written, so a failed
    // save loses no setting.
    try {
        const auto directory = m_system.programDirectory();
        if (m_unreadConfig && maySameFile(*m_unreadConfig, pathInDirectory(directory, std::string(kConfigFileName))) &&
            !m_view.askYesNo(replaceUnreadConfigQuestion(*m_unreadConfig)))
            return;  // the file, and everything else, stays as it was
        m_system.changeDirectory(directory);
        ConfigRecord record;
        for (std::size_t i = 0; i < kEmulators.size(); ++i)
            record.set(kEmulators[i].paramsField, parameterFieldText(m_view.parameterText(i)));
        m_paths.copyInto(record);
        m_system.saveConfig(configFilePath(), record);
        m_record = record;
        m_unreadConfig.reset();  // it is the file written now
    } catch (const std::exception& failure) {
        m_view.messageBox(std::string("The configuration could not be saved: ") + failure.what());
    }
}

void Form1::startNew(const std::string& message)
{
    m_view.messageBox(message);
    for (std::size_t i = 0; i < kEmulators.size(); ++i)
        showNotSetup(i);
}

void Form1::mnuExit_Click()
{
    // Ends at once: nothing is saved and nothing is asked.
    m_view.endProgram();
}

void Form1::selectEmulator(std::size_t emulator, AfterRead then)
{
    const auto handler = m_lists.handlerRuns();
    m_lists.newAct();
    const auto& row = kEmulators[emulator];
    auto after = [this, emulator, then = std::move(then)](ReadEnd end) {
        if (end == ReadEnd::Listed) {
            if (kEmulators[emulator].romList == RomList::Files)
                m_lists.showList(RomList::Files);
            m_view.setParameterEnabled(emulator, true);
        } else if (end == ReadEnd::Failed) {
            failSelection(emulator);
        }
        if (then)
            then(end);
    };
    if (row.romList == RomList::Directories) {
        // The list shows at once; the directory it shows first is this one.
        m_view.showRomList(RomList::Directories);
        m_lists.readDirectories(romDirectoryOf(row), std::move(after));
    } else {
        m_lists.readFiles(romDirectoryOf(row), row.filePattern, std::move(after));
    }
}

void Form1::failSelection(std::size_t emulator)
{
    const auto& row = kEmulators[emulator];
    m_lists.showList(row.romList);
    m_view.messageBox(kIncorrectDirectoryMessage);
    if (row.forgetsExeOnBadRomDir)
        forgetExecutable(row);
    showNotSetup(emulator);
}

void Form1::clickPicture(std::size_t emulator)
{
    const auto handler = m_lists.handlerRuns();
    if (!m_optionEnabled[emulator])
        return;
    // Runs the selection, unless already selected.
    select(emulator, [this, emulator](ReadEnd end) {
        if (end != ReadEnd::GivenUp)
            m_view.setParameterEnabled(emulator, true);
    });
}

void Form1::setUpEmulator(std::size_t emulator)
{
    const auto handler = m_lists.handlerRuns();
    m_lists.newAct();  // also where its emulator is chosen already and no selection runs
    const auto& row = kEmulators[emulator];
    CommonDialog& dialog = dialogFor(row);
    try {
        dialog.Filter = kAllFilesFilter + row.filterPair;
        dialog.FilterIndex = 2;
        dialog.showOpen(m_view);
        // After Cancel this is the path the dialog returned last, if any.
        const auto executable = dialog.FileName;
        m_paths.*row.exeCopy = executable;
        const auto browseStart = [this](const std::string& text) {
            return browseStartFolder(m_system, m_startDirectory, text);
        };
        m_paths.*row.romDirCopy = m_view.inputBox(row.romDirPrompt, row.romDirCaption, executable, browseStart);  // as typed

        m_view.setParameterEnabled(emulator, true);
        m_view.setParameterText(emulator, {});
        m_view.setSetupChecked(emulator, true);
    } catch (const std::exception&) {
        return failSetUp(emulator);
    }
    // Selecting the button runs the emulator's selection at once, with the
    // new ROM directory already in place; the list is read again after it,
    // whether the selection listed its folder or failed on it.
    const auto readAgain = [this, emulator] {
        const auto& row = kEmulators[emulator];
        const auto after = [this, emulator](ReadEnd end) {
            if (end == ReadEnd::Failed)
                failSetUp(emulator);
            else if (end == ReadEnd::Listed && kEmulators[emulator].romList == RomList::Files)
                m_lists.showList(RomList::Files);  // which list shows is otherwise the selection's affair
        };
        if (row.romList == RomList::Directories)
            return m_lists.readDirectories(romDirectoryOf(row), after);
        m_lists.readFiles(romDirectoryOf(row), row.filePattern, after);
    };
    if (row.selectsBeforeEnabling) {
        select(emulator, [this, emulator, readAgain](ReadEnd end) {
            // Enabled even where a newer act gives up the selection's read:
            // a set-up emulator is never left disabled.
            setOptionEnabled(emulator, true);
            if (end != ReadEnd::GivenUp)
                readAgain();
        });
    } else {
        setOptionEnabled(emulator, true);
        select(emulator, [readAgain](ReadEnd end) {
            if (end != ReadEnd::GivenUp)
                readAgain();
        });
    }
}

void Form1::failSetUp(std::size_t emulator)
{
    // The option button keeps its selection on this path.
    forgetExecutable(kEmulators[emulator]);
    markNotSetup(emulator);
}

void Form1::Command1_Click()
{
    const auto handler = m_lists.handlerRuns();
    // At most one button is selected; with none, PLAY does nothing at all.
    for (const auto emulator : kLaunchOrder) {
        if (m_selected == emulator && !launchEmulator(emulator))
            return;
    }
}

bool Form1::launchEmulator(std::size_t emulator)
{
    const auto& row = kEmulators[emulator];
    const auto& recipe = row.launch;
    const auto selected = recipe.romPiece == RomPiece::GameDirectory ? directoryListPath() : selectedFileName();
    if (recipe.needsSelection && selected.empty()) {
        m_view.messageBox(kNoFileSelectedMessage);
        return false;  // ends PLAY
    }
    if (!isHeldName(selected)) {
        // Its characters are not in the code page and it has no short name
        // to stand in: passed as it reads, it would open nothing or another
        // game.
        m_view.messageBox(selected + " cannot be passed to " + row.name +
                          ": the system's code page cannot hold its name, and its disk keeps no short names.");
        return true;
    }
    auto& executable = m_paths.*row.exeCopy;
    if (withoutTrailingBlanks(executable).empty()) {
        // Without a program the line would start whatever its first
        // parameter or ROM name names.
        m_view.messageBox(std::string(row.name) + " is not set up. Please run Setup.");
        return true;
    }
    if (recipe.trimsExecutable)
        executable = withoutTrailingBlanks(executable);

    try {
        romDirectoryStep(m_paths.*row.romDirCopy);
        m_system.changeDirectory(romDirectoryOf(row));  // and there it stays
        const auto rom = romPiece(row, selected);
        const auto parameters = m_view.parameterText(emulator);
        m_system.startCommandLine(recipe.romFirst ? composeCommandLine(executable, rom, parameters)
                                                  : composeCommandLine(executable, parameters, rom));
    } catch (const std::exception& failure) {
        m_view.messageBox(std::string(row.name) + " could not be started: " + failure.what());
    }
    return true;
}

std::string Form1::romPiece(const EmulatorRow& row, const std::string& selected) const
{
    switch (row.launch.romPiece) {
    case RomPiece::ShortName:
        // Resolved against the ROM directory, which is now current.
        return m_system.shortPath(selected);
    // A name with blanks or quotes stays one argument.
    case RomPiece::GameName:
        return quotedWhereNeeded(gameNameFromZip(selected));
    case RomPiece::GameDirectory:
        return quotedWhereNeeded(gameDirectoryName(selected));
    }
    return {};
}

void Form1::Label4_Click()
{
    const auto handler = m_lists.handlerRuns();
    const auto address = std::string(kHomePageAddress) + '/';
    if (!m_view.openAddress(address))
        m_view.messageBox("The home page could not be opened: " + address);
}

void Form1::Dir1_DblClick(std::size_t row)
{
    const auto handler = m_lists.handlerRuns();
    const auto* rows = m_lists.directories();
    if (!rows || row >= rows->count())
        return;
    m_lists.newAct();
    // A directory that vanished since it was listed stays unopened.
    m_lists.readDirectories(rows->pathAt(row));
}

void Form1::listTyped(RomList list, std::string_view characters, std::optional<std::uint32_t> timeMs)
{
    const auto handler = m_lists.handlerRuns();
    if (const auto row = m_lists.findTyped(list, m_view.selectedRow(list), characters, timeMs))
        m_view.selectRow(list, *row);
}

void Form1::select(std::size_t emulator, AfterRead then)
{
    if (m_selected == emulator)
        return then(ReadEnd::Listed);  // no selection runs: the list stays as it is
    m_view.setOptionSelected(emulator, true);
    m_selected = emulator;
    selectEmulator(emulator, std::move(then));
}

void Form1::setOptionEnabled(std::size_t emulator, bool enabled)
{
    m_optionEnabled[emulator] = enabled;
    m_view.setOptionEnabled(emulator, enabled);
}

void Form1::showSetUp(std::size_t emulator, const std::string& parameters)
{
    setOptionEnabled(emulator, true);
    m_view.setParameterEnabled(emulator, true);
    m_view.setParameterText(emulator, parameters);
    m_view.setSetupChecked(emulator, true);
}

void Form1::showNotSetup(std::size_t emulator)
{
    m_view.setOptionSelected(emulator, false);
    if (m_selected == emulator)
        m_selected.reset();
    markNotSetup(emulator);
}

void Form1::markNotSetup(std::size_t emulator)
{
    setOptionEnabled(emulator, false);
    m_view.setParameterText(emulator, std::string(kNotSetupMarker));
    m_view.setParameterEnabled(emulator, false);
    m_view.setSetupChecked(emulator, false);
}

void Form1::forgetExecutable(const EmulatorRow& row)
{
    // Blanks of the field's width read back as "not set".
    m_paths.*row.exeCopy = std::string(widthOf(row.exeField), ' ');
}

std::string Form1::selectedFileName() const
{
    const auto row = m_view.selectedRow(RomList::Files);
    const auto& files = m_lists.files();
    return row && *row < files.size() ? files[*row] : std::string();
}

std::string Form1::configFilePath() const
{
    // The name is taken relative to whatever directory is current.
    return pathInDirectory(m_system.currentDirectory(), std::string(kConfigFileName));
}

std::string Form1::romDirectoryOf(const EmulatorRow& row) const
{
    // A relative directory means the same one whatever a PLAY or a save made
    // current since the start.
    return resolvePath(m_startDirectory, withoutTrailingBlanks(m_paths.*row.romDirCopy));
}

CommonDialog& Form1::dialogFor(const EmulatorRow& row)
{
    return row.dialog == SetupDialog::First ? CommonDialog1 : CommonDialog2;
}

}  // namespace varnix
