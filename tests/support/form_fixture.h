#pragma once

#include "support/fake_desktop.h"
#include "support/fake_platform.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/form1.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

// A window started in `start/`, with its program in `program/`, both inside a
// temporary directory of the test's own.
class FormTest : public ::testing::Test {
protected:
    FormTest() : platform(dir.file("program"), dir.file("start"))
    {
        std::filesystem::create_directories(dir.file("program"));
        std::filesystem::create_directories(dir.file("start"));
    }

    varnix::Form1& createForm()
    {
        form = std::make_unique<varnix::Form1>(dialogs, platform, desktop);
        return *form;
    }
    varnix::Form1& startForm()
    {
        createForm().Form_Load();
        return *form;
    }

    template <typename T>
    T* control(const char* name) const
    {
        auto* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QRadioButton* option(const char* name) const { return control<QRadioButton>(name); }
    QAction* entry(const char* name) const { return control<QAction>(name); }

    TempDir dir;
    ScriptedDialogs dialogs;
    FakePlatform platform;
    FakeDesktop desktop;
    std::unique_ptr<varnix::Form1> form;
};
