#pragma once

#include "core/emulator_table.h"
#include "core/form1.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

// A window started in `start/`, with its program in `program/`, both inside a
// temporary directory of the test's own. Controls are reached by name and
// act as the user's clicks and typing would.
class FormTest : public ::testing::Test {
protected:
    FormTest() : system(dir.file("program"), dir.file("start"))
    {
        std::filesystem::create_directories(dir.file("program"));
        std::filesystem::create_directories(dir.file("start"));
    }

    varnix::Form1& createForm()
    {
        form = std::make_unique<varnix::Form1>(view, system);
        return *form;
    }
    varnix::Form1& startForm()
    {
        createForm().Form_Load();
        return *form;
    }

    static std::size_t emulatorNamed(std::string_view name)
    {
        for (std::size_t i = 0; i < varnix::kEmulators.size(); ++i) {
            const auto& row = varnix::kEmulators[i];
            if (name == row.optionButton || name == row.parameterBox || name == row.setupEntry || name == row.picture)
                return i;
        }
        ADD_FAILURE() << "no control " << name;
        return 0;
    }

    struct Option {
        FormTest* test;
        std::size_t i;
        const Option* operator->() const { return this; }
        // A disabled button takes no click; a click selects before it reports.
        void click() const
        {
            if (!isEnabled())
                return;
            test->view.setOptionSelected(i, true);
            test->form->optionClicked(i);
        }
        bool isChecked() const { return test->view.emulators[i].optionSelected; }
        bool isEnabled() const { return test->view.emulators[i].optionEnabled; }
    };
    struct Box {
        FormTest* test;
        std::size_t i;
        const Box* operator->() const { return this; }
        std::string text() const { return test->view.emulators[i].text; }
        bool isEnabled() const { return test->view.emulators[i].boxEnabled; }
        void setText(const std::string& text) const { test->view.emulators[i].text = text; }  // as typed
        void clear() const { setText({}); }
    };
    struct Entry {
        FormTest* test;
        std::string_view name;
        const Entry* operator->() const { return this; }
        void trigger() const
        {
            if (name == "mnuConfig")
                test->form->mnuConfig_Click();
            else if (name == "mnuExit")
                test->form->mnuExit_Click();
            else
                test->form->setupEntryClicked(emulatorNamed(name));
        }
        bool isChecked() const { return test->view.emulators[emulatorNamed(name)].setupChecked; }
    };
    Option option(std::string_view name) { return {this, emulatorNamed(name)}; }
    Box box(std::string_view name) { return {this, emulatorNamed(name)}; }
    Entry entry(std::string_view name) { return {this, name}; }
    void clickPicture(std::string_view name) { form->pictureClicked(emulatorNamed(name)); }
    void play() { form->Command1_Click(); }

    // The file list's entries, and the user's choice of one.
    std::vector<std::string> fileEntries() const { return view.files ? *view.files : std::vector<std::string>{}; }
    void selectFile(const std::string& name)
    {
        const auto entries = fileEntries();
        const auto found = std::find(entries.begin(), entries.end(), name);
        ASSERT_NE(found, entries.end()) << name;
        view.selectedFile = static_cast<std::size_t>(found - entries.begin());
    }
    bool showsFiles() const { return view.shownList == varnix::RomList::Files; }
    bool showsDirs() const { return view.shownList == varnix::RomList::Directories; }
    // The directory list's rows as shown: each name, without its indent.
    std::vector<std::string> directoryEntries() const
    {
        std::vector<std::string> names;
        for (std::size_t row = 0; view.directories && row < view.directories->count(); ++row)
            names.push_back(view.directories->nameAt(row));
        return names;
    }

    // A double-click on the last row that shows `name`.
    void openDirectory(const std::string& name)
    {
        const auto rows = directoryEntries();
        const auto found = std::find(rows.rbegin(), rows.rend(), name);
        ASSERT_NE(found, rows.rend()) << name;
        form->Dir1_DblClick(static_cast<std::size_t>(rows.rend() - found - 1));
    }

    TempDir dir;
    FakeView view;
    FakeSystem system;
    std::unique_ptr<varnix::Form1> form;
};
