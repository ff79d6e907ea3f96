#include "core/form1.h"

#include "core/browse_start.h"
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
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
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

// The list's directory taken apart; trailing blanks are no part of its name.
PathChain chainOf(const std::string& directory)
{
    return splitAbsolutePath(withoutTrailingBlanks(directory));
}

}  // namespace

Form1::Form1(View& view, System& system)
    : m_view(view), m_system(system), m_files(std::make_shared<std::vector<std::string>>())
{
    try {
        m_startDirectory = m_system.currentDirectory();
        m_unreadDirectory = m_startDirectory;  // a directory list never shown is never read
    } catch (const std::exception&) {
        return;  // no start directory: the lists stay empty
    }
    readFileList(m_startDirectory, kStartPattern);  // unreadable, it only leaves the list empty
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

void Form1::selectEmulator(std::size_t emulator, Step then, Step superseded)
{
    const auto& row = kEmulators[emulator];
    const auto succeeded = [this, emulator, then] {
        m_view.setParameterEnabled(emulator, true);
        if (then)
            then();
    };
    const auto failed = [this, emulator, then] {
        const auto& row = kEmulators[emulator];
        showRomList(row.romList);
        m_view.messageBox(kIncorrectDirectoryMessage);
        if (row.forgetsExeOnBadRomDir)
            forgetExecutable(row);
        showNotSetup(emulator);
        if (then)
            then();
    };
    if (row.romList == RomList::Directories) {
        // The list shows at once; the directory it shows first is this one.
        m_view.showRomList(RomList::Directories);
        readDirectoryList(romDirectoryOf(row), succeeded, failed, superseded);
    } else {
        readFileList(
            romDirectoryOf(row), row.filePattern,
            [this, succeeded] {
                showRomList(RomList::Files);
                succeeded();
            },
            failed, superseded);
    }
}

void Form1::clickPicture(std::size_t emulator)
{
    if (!m_optionEnabled[emulator])
        return;
    // Runs the selection, unless already selected.
    select(emulator, [this, emulator] { m_view.setParameterEnabled(emulator, true); });
}

void Form1::setUpEmulator(std::size_t emulator)
{
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
    // new ROM directory already in place; the list is read again after it.
    const auto readAgain = [this, emulator] {
        const auto& row = kEmulators[emulator];
        const auto failed = [this, emulator] { failSetUp(emulator); };
        if (row.romList == RomList::Directories)
            return readDirectoryList(romDirectoryOf(row), {}, failed);  // which list shows is the selection's affair
        readFileList(romDirectoryOf(row), row.filePattern, [this] { showRomList(RomList::Files); }, failed);
    };
    if (row.selectsBeforeEnabling) {
        // A set-up emulator's button is enabled even where a newer choice
        // gives up the selection's read.
        const auto enable = [this, emulator] { setOptionEnabled(emulator, true); };
        select(
            emulator,
            [enable, readAgain] {
                enable();
                readAgain();
            },
            enable);
    } else {
        setOptionEnabled(emulator, true);
        select(emulator, readAgain);
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
    const auto address = std::string(kHomePageAddress) + '/';
    if (!m_view.openAddress(address))
        m_view.messageBox("The home page could not be opened: " + address);
}

void Form1::Dir1_DblClick(std::size_t row)
{
    if (!m_directories || row >= m_directories->count())
        return;
    // A directory that vanished since it was listed stays unopened.
    readDirectoryList(m_directories->pathAt(row));
}

void Form1::select(std::size_t emulator, Step then, Step superseded)
{
    if (m_selected == emulator) {
        if (then)
            then();
        return;
    }
    m_view.setOptionSelected(emulator, true);
    m_selected = emulator;
    selectEmulator(emulator, std::move(then), std::move(superseded));
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

void Form1::showRomList(RomList list)
{
    if (list == RomList::Directories && m_unreadDirectory) {
        // An unreadable start directory leaves the list empty.
        readDirectoryList(*std::exchange(m_unreadDirectory, std::nullopt));
    }
    m_view.showRomList(list);
}

void Form1::readFileList(const std::string& directory, const std::string& pattern, Step then, Step failed,
                         Step superseded)
{
    const auto settle = [this, directory, pattern, then](std::vector<std::string> names) {
        const auto patterns = splitPatterns(pattern);
        std::erase_if(names, [&patterns](const std::string& name) { return !matchesAnyWildcard(name, patterns); });
        m_filesDirectory = directory;
        m_filesPattern = pattern;
        m_files = std::make_shared<const std::vector<std::string>>(std::move(names));
        m_view.showFiles(m_files);
        if (then)
            then();
    };
    readList(RomList::Files, directory, {settle, std::move(failed), std::move(superseded)});
}

void Form1::readDirectoryList(const std::string& directory, Step then, Step failed, Step superseded)
{
    const auto chain = chainOf(directory);
    const auto settle = [this, chain, then](std::vector<std::string> subdirectories) {
        m_unreadDirectory.reset();
        m_directories = std::make_shared<const DirectoryRows>(DirectoryRows{chain, std::move(subdirectories)});
        m_view.showDirectories(m_directories);
        if (then)
            then();
    };
    // The empty name is no directory: its read fails.
    readList(RomList::Directories, chain.path(), {settle, std::move(failed), std::move(superseded)});
}

void Form1::readList(RomList list, const std::string& directory, ReadSteps steps)
{
    supersedeRead();
    const auto serial = ++m_readSerial;
    m_reading = Reading{list, false, std::move(steps.superseded)};
    const std::weak_ptr<const bool> alive = m_alive;
    auto done = [this, alive, serial, steps = std::move(steps)](FolderListing listing) {
        if (alive.expired() || serial != m_readSerial || !m_reading)
            return;  // superseded: neither its names nor its failure are shown
        const auto reading = *std::exchange(m_reading, std::nullopt);
        if (reading.shown)
            m_view.showReadEnded(reading.list);
        if (!listing.failure)
            return steps.settle(std::move(listing.names));
        if (reading.shown)
            showListAsSettled(reading.list);  // as it was before this read began
        if (steps.failed)
            steps.failed();
    };
    auto progress = m_system.readFolder(list == RomList::Files ? EntryKind::File : EntryKind::Directory, directory,
                                        std::move(done));
    if (serial != m_readSerial || !m_reading)
        return;  // it has ended already
    // Under way: the list shows no entry of another folder meanwhile.
    m_reading->shown = true;
    m_view.showReading(list, std::move(progress));
    if (list == RomList::Files)
        m_view.showFiles(std::make_shared<const std::vector<std::string>>());
    else
        m_view.showDirectories(nullptr);
}

void Form1::supersedeRead()
{
    if (!m_reading)
        return;
    const auto reading = *std::exchange(m_reading, std::nullopt);
    if (reading.shown) {
        m_view.showReadEnded(reading.list);
        showListAsSettled(reading.list);
    }
    if (reading.superseded)
        reading.superseded();
}

void Form1::showListAsSettled(RomList list)
{
    if (list == RomList::Files)
        m_view.showFiles(m_files);
    else
        m_view.showDirectories(m_directories);
}

std::string Form1::directoryListPath() const
{
    if (m_reading && m_reading->list == RomList::Directories)
        return {};  // none of another folder while its own is read
    // A directory not yet read is the list's directory all the same.
    if (m_unreadDirectory)
        return chainOf(*m_unreadDirectory).path();
    return m_directories ? m_directories->chain.path() : std::string();
}

std::string Form1::selectedFileName() const
{
    const auto row = m_view.selectedFile();
    return row && *row < m_files->size() ? (*m_files)[*row] : std::string();
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
