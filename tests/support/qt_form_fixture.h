#pragma once

#include "core/form1.h"
#include "qt/qt_view.h"
#include "support/fake_system.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

// The Qt window over Form1, started in `start/` of a temporary directory.
class QtFormTest : public ::testing::Test {
protected:
    QtFormTest() : system(dir.file("program"), dir.file("start"))
    {
        std::filesystem::create_directories(dir.file("program"));
        std::filesystem::create_directories(dir.file("start"));
    }

    void createForm()
    {
        form = std::make_unique<varnix::Form1>(view, system);
        view.attach(*form);
    }

    template <typename T>
    T* control(const char* name) const
    {
        auto* found = view.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TempDir dir;
    FakeSystem system;
    varnix::QtView view;
    std::unique_ptr<varnix::Form1> form;
};
