#pragma once

#include "core/common_dialog.h"
#include "core/config_record.h"
#include "core/directory_rows.h"
#include "core/rom_lists.h"
#include "core/working_paths.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

class System;
class View;
enum class RomList;
struct EmulatorRow;

// The window's behaviour. Each handler is named after its control and event;
// per-emulator handlers run one flow over a row of the emulator table. It
// shows everything through the view and reaches outside the process only
// through the system. A handler that reads a folder runs up to the read; its
// remaining steps, or its failure path, run when the read's end is taken,
// after whatever handler runs then. A newer act of the user gives up the
// reads an earlier one still makes: their names and failure are never shown.
class Form1 final {
public:
    Form1(View& view, System& system);

    // Reads the configuration and brings each emulator into its state; runs
    // once, before the window is first shown.
    void Form_Load();

    // An emulator becomes the selected one: its option button's handler.
    void optSnes_Click();
    void optGenesis_Click();
    void optNeoRage_Click();
    void optMAME_Click();
    // A click on an emulator's picture.
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();

    // PLAY: starts the chosen emulator on the chosen ROM.
    void Command1_Click();
    // The home-page link.
    void Label4_Click();

    // File and Setup menus.
    void mnuConfig_Click();
    void mnuExit_Click();
    void mnuSnes_Click();
    void mnuGenesis_Click();
    void mnuNeoRage_Click();
    void mnuMAME_Click();

    // The user's acts that the view reports by emulator or row.
    void optionClicked(std::size_t emulator);  // runs its handler unless it is selected already
    void pictureClicked(std::size_t emulator);
    void setupEntryClicked(std::size_t emulator);
    void Dir1_DblClick(std::size_t row);
    // Characters typed into a list select the row they find, as a click on
    // it would; `timeMs` is the key's own time, none for text that comes
    // whole.
    void listTyped(RomList list, std::string_view characters, std::optional<std::uint32_t> timeMs);

    const WorkingPaths& workingPaths() const { return m_paths; }
    const ConfigRecord& configRecord() const { return m_record; }
    std::optional<std::size_t> selectedEmulator() const { return m_selected; }
    // What the two lists hold.
    const std::string& filesPattern() const { return m_lists.filesPattern(); }
    const std::vector<std::string>& files() const { return m_lists.files(); }
    std::string directoryListPath() const { return m_lists.directoryPath(); }
    // Whether a read of either list's folder is under way.
    bool readUnderWay() const { return m_lists.underWay(); }

private:
    // `then` runs after the selection's own steps, with how its read ended.
    void selectEmulator(std::size_t emulator, AfterRead then = {});
    void failSelection(std::size_t emulator);
    void clickPicture(std::size_t emulator);
    void setUpEmulator(std::size_t emulator);
    void failSetUp(std::size_t emulator);
    bool launchEmulator(std::size_t emulator);
    std::string romPiece(const EmulatorRow& row, const std::string& selected) const;

    void select(std::size_t emulator, AfterRead then);
    void setOptionEnabled(std::size_t emulator, bool enabled);
    void showSetUp(std::size_t emulator, const std::string& parameters);
    void showNotSetup(std::size_t emulator);
    void markNotSetup(std::size_t emulator);
    void forgetExecutable(const EmulatorRow& row);
    void startNew(const std::string& message);

    std::string selectedFileName() const;

    std::string configFilePath() const;
    std::string romDirectoryOf(const EmulatorRow& row) const;
    CommonDialog& dialogFor(const EmulatorRow& row);

    View& m_view;
    System& m_system;
    std::string m_startDirectory;
    ConfigRecord m_record;
    WorkingPaths m_paths;
    std::optional<std::size_t> m_selected;
    std::array<bool, 4> m_optionEnabled{};
    RomLists m_lists;

    // A varnix.dat that start-up found but could not read: a save never
    // replaces it unasked.
    std::optional<std::string> m_unreadConfig;

    CommonDialog CommonDialog1;
    CommonDialog CommonDialog2;
};

}  // namespace varnix
