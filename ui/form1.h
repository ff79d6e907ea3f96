#pragma once

#include "config/config_record.h"
#include "config/working_paths.h"
#include "setup/common_dialog.h"

#include <QMainWindow>

#include <array>

class QAction;
class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace varnix {

class ClickLabel;
class Desktop;
class Dialogs;
class DirListBox;
class FileListBox;
class Platform;
struct EmulatorRow;
enum class RomList;

// The program's only window. Each handler is named after its control and
// event; per-emulator handlers run one flow over a row of the emulator table.
class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    Form1(Dialogs& dialogs, Platform& platform, Desktop& desktop, QWidget* parent = nullptr);
    ~Form1() override;

    // Reads the configuration and brings each emulator row into its state;
    // runs once, before the window is first shown.
    void Form_Load();
    // Shows the window in the centre of the screen.
    void showCentred();

    // Choosing an emulator: its option button, or its picture.
    void optSnes_Click();
    void optGenesis_Click();
    void optNeoRage_Click();
    void optMAME_Click();
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

    const WorkingPaths& workingPaths() const { return m_paths; }
    const ConfigRecord& configRecord() const { return m_record; }

private:
    struct EmulatorControls {
        const EmulatorRow* row;
        QRadioButton* option;
        ClickLabel* picture;
        QLineEdit* box;
        QAction* setupEntry;
        std::string shownBytes;  // what the box was last given to show
    };

    void createMenus();
    std::string configFilePath() const;
    void connectHandlers();

    // The per-emulator flows behind the handlers.
    void selectEmulator(EmulatorControls& emulator);
    void clickPicture(EmulatorControls& emulator);
    void setUpEmulator(EmulatorControls& emulator);
    bool launchEmulator(EmulatorControls& emulator);
    std::string romPiece(const EmulatorRow& row, const std::string& selected) const;

    std::string romDirectoryOf(const EmulatorRow& row) const;
    void showBoxBytes(EmulatorControls& emulator, const std::string& bytes);
    std::string boxBytes(const EmulatorControls& emulator) const;
    void showSetUp(EmulatorControls& emulator, const std::string& parameters);
    void showNotSetup(EmulatorControls& emulator);
    void markNotSetup(EmulatorControls& emulator);
    void forgetExecutable(const EmulatorRow& row);
    void unselect(QRadioButton* option);
    void showRomList(RomList list);
    CommonDialog& dialogFor(const EmulatorRow& row);

    Dialogs& m_dialogs;
    Platform& m_platform;
    Desktop& m_desktop;
    std::string m_startDirectory;
    ConfigRecord m_record;
    WorkingPaths m_paths;
    std::array<EmulatorControls, 4> m_emulators{};
    QButtonGroup* m_options;
    FileListBox* fileRoms;
    DirListBox* Dir1;
    CommonDialog CommonDialog1;
    CommonDialog CommonDialog2;
};

}  // namespace varnix
