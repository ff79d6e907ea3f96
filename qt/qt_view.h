#pragma once

#include "core/view.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace varnix {

class ClickLabel;
class DirListBox;
class FileListBox;
class Form1;
class ReadingNotice;
class RomListBox;
class WindowQueue;
class WindowTasks;

// The program's window over Qt widgets: it shows what Form1 sets and hands
// every act of the user to Form1.
class QtView final : public QMainWindow, public View {
    Q_OBJECT
public:
    explicit QtView(QWidget* parent = nullptr);
    ~QtView() override;

    // Connects the controls to the handlers of `form`.
    void attach(Form1& form);
    // Shows the window in the centre of the screen.
    void showCentred();
    // Carries tasks to the window's thread; closed when the window goes.
    std::shared_ptr<WindowQueue> queue() const;

    void setOptionEnabled(std::size_t emulator, bool enabled) override;
    void setOptionSelected(std::size_t emulator, bool selected) override;
    void setParameterText(std::size_t emulator, const std::string& text) override;
    std::string parameterText(std::size_t emulator) const override;
    void setParameterEnabled(std::size_t emulator, bool enabled) override;
    void setSetupChecked(std::size_t emulator, bool checked) override;
    void showRomList(RomList list) override;
    void showFiles(std::shared_ptr<const std::vector<std::string>> names) override;
    std::optional<std::size_t> selectedRow(RomList list) const override;
    void selectRow(RomList list, std::size_t row) override;
    void showDirectories(std::shared_ptr<const DirectoryRows> rows) override;
    void showReading(RomList list, std::shared_ptr<const ReadProgress> progress) override;
    void showReadEnded() override;
    void messageBox(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    std::string inputBox(const std::string& prompt, const std::string& caption, const std::string& defaultText,
                         const FolderStart& browseStart) override;
    std::optional<std::string> openFile(const std::vector<FileFilter>& filters, int filterIndex,
                                        const std::string& startPath) override;
    bool openAddress(const std::string& address) override;
    void endProgram() override;

private:
    struct EmulatorControls {
        QRadioButton* option = nullptr;
        ClickLabel* picture = nullptr;
        QLineEdit* box = nullptr;
        QAction* setupEntry = nullptr;
        std::string shownBytes;  // what the box was last given to show
    };

    void createMenus();
    // The option buttons are one tab stop at all times (optionTabStop).
    void keepOneOptionTabStop();
    RomListBox* listOf(RomList list) const;

    std::array<EmulatorControls, 4> m_emulators;
    QButtonGroup* m_options;
    QAction* m_saveEntry = nullptr;
    QAction* m_exitEntry = nullptr;
    FileListBox* fileRoms;
    DirListBox* Dir1;
    ReadingNotice* m_readingNotice;
    WindowTasks* m_tasks;
    // While a read is under way the queue is also run on this beat, should
    // a wake have been lost.
    QTimer m_poll;
};

}  // namespace varnix
