#pragma once

#include "core/emulator_table.h"
#include "core/view.h"

#include <algorithm>
#include <array>
#include <deque>
#include <functional>

// Keeps what Form1 shows, as a window would, records what it asks, and
// answers input boxes and file dialogs from a script (then cancels).
class FakeView final : public varnix::View {
public:
    struct Emulator {
        bool optionEnabled = true, optionSelected = false, boxEnabled = true, setupChecked = true;
        std::string text;
    };
    struct InputCall {
        std::string prompt, caption, defaultText;
        std::optional<std::string> browseStart;  // where Browse would start for the default text
    };
    struct FileCall {
        std::vector<varnix::FileFilter> filters;
        int filterIndex;
        std::string startPath;
    };

    std::array<Emulator, 4> emulators;
    varnix::RomList shownList = varnix::RomList::Files;
    std::shared_ptr<const std::vector<std::string>> files;
    std::optional<std::size_t> selectedFile;
    std::shared_ptr<const varnix::DirectoryRows> directories;
    std::optional<std::size_t> selectedDirectory;
    // The lists whose reads the view shows under way, until it is told the
    // reads have ended, and the latest read's count.
    std::vector<varnix::RomList> reading;
    std::shared_ptr<const varnix::ReadProgress> readProgress;

    std::vector<std::string> messages;
    std::vector<InputCall> inputCalls;
    std::vector<FileCall> fileCalls;
    std::deque<std::string> inputAnswers;
    std::deque<std::string> browsedFolders;  // chosen with Browse, then OK; before the typed answers
    std::vector<std::string> questions;
    std::deque<bool> yesNoAnswers;  // No once they run out
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<std::string> opened;
    bool openSucceeds = true;
    bool ended = false;
    // Runs while a modal box or dialog is open, as its loop runs what comes
    // meanwhile; how many were ever open at once.
    std::function<void()> whileModal;
    int modalDepth = 0;
    int mostModalAtOnce = 0;

    void setOptionEnabled(std::size_t i, bool enabled) override { emulators.at(i).optionEnabled = enabled; }
    void setOptionSelected(std::size_t i, bool selected) override
    {
        if (selected) {
            for (auto& emulator : emulators)
                emulator.optionSelected = false;
        }
        emulators.at(i).optionSelected = selected;
    }
    void setParameterText(std::size_t i, const std::string& text) override { emulators.at(i).text = text; }
    std::string parameterText(std::size_t i) const override { return emulators.at(i).text; }
    void setParameterEnabled(std::size_t i, bool enabled) override { emulators.at(i).boxEnabled = enabled; }
    void setSetupChecked(std::size_t i, bool checked) override { emulators.at(i).setupChecked = checked; }
    void showRomList(varnix::RomList list) override { shownList = list; }
    void showFiles(std::shared_ptr<const std::vector<std::string>> names) override
    {
        files = std::move(names);
        selectedFile.reset();
    }
    std::optional<std::size_t> selectedRow(varnix::RomList list) const override
    {
        return list == varnix::RomList::Files ? selectedFile : selectedDirectory;
    }
    void selectRow(varnix::RomList list, std::size_t row) override
    {
        (list == varnix::RomList::Files ? selectedFile : selectedDirectory) = row;
    }
    void showDirectories(std::shared_ptr<const varnix::DirectoryRows> rows) override { directories = std::move(rows); }
    void showReading(varnix::RomList list, std::shared_ptr<const varnix::ReadProgress> progress) override
    {
        reading.push_back(list);
        readProgress = std::move(progress);
    }
    void showReadEnded() override { reading.clear(); }

    void messageBox(const std::string& text) override
    {
        messages.push_back(text);
        modal();
    }
    bool askYesNo(const std::string& question) override
    {
        questions.push_back(question);
        modal();
        const bool yes = !yesNoAnswers.empty() && yesNoAnswers.front();
        if (!yesNoAnswers.empty())
            yesNoAnswers.pop_front();
        return yes;
    }
    std::string inputBox(const std::string& prompt, const std::string& caption, const std::string& defaultText,
                         const varnix::FolderStart& browseStart) override
    {
        inputCalls.push_back({prompt, caption, defaultText, browseStart(defaultText)});
        modal();
        if (!browsedFolders.empty()) {
            auto folder = browsedFolders.front();
            browsedFolders.pop_front();
            return folder;
        }
        if (inputAnswers.empty())
            return {};
        auto answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> openFile(const std::vector<varnix::FileFilter>& filters, int filterIndex,
                                        const std::string& startPath) override
    {
        fileCalls.push_back({filters, filterIndex, startPath});
        modal();
        if (fileAnswers.empty())
            return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    bool openAddress(const std::string& address) override
    {
        opened.push_back(address);
        return openSucceeds;
    }
    void endProgram() override { ended = true; }

private:
    void modal()
    {
        mostModalAtOnce = std::max(mostModalAtOnce, ++modalDepth);
        if (whileModal && modalDepth == 1)
            whileModal();
        --modalDepth;
    }
};
