#pragma once

#include "config/fixed_field.h"
#include "launch/platform.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

// A platform whose program directory is chosen by the test and whose current
// directory is kept here, so tests never change the process's own.
class FakePlatform final : public varnix::Platform {
public:
    FakePlatform(std::string programDir, std::string currentDir)
        : m_programDir(std::move(programDir)), m_currentDir(std::move(currentDir))
    {
    }

    std::string programDirectory() const override { return m_programDir; }
    std::string currentDirectory() const override { return m_currentDir; }
    void changeDirectory(const std::string& directory) override
    {
        const auto name = varnix::withoutTrailingBlanks(directory);
        if (!std::filesystem::is_directory(name))
            throw std::system_error(ENOENT, std::generic_category(), "cannot change to " + name);
        m_currentDir = name;
    }

private:
    std::string m_programDir;
    std::string m_currentDir;
};
