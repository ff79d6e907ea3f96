#pragma once

#include "config/fixed_field.h"
#include "launch/command_line.h"
#include "launch/platform.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

// A platform whose program directory is chosen by the test and whose current
// directory is kept here, so tests never change the process's own. Started
// command lines are recorded, never run.
class FakePlatform final : public varnix::Platform {
public:
    struct Start {
        std::string line;
        std::string currentDir;
    };
    std::vector<Start> starts;
    bool startFails = false;

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
    // The system's rule where names have no short form, against the kept
    // current directory.
    std::string shortPath(const std::string& path) const override
    {
        std::error_code error;
        if (path.empty() || !std::filesystem::exists(std::filesystem::path(m_currentDir) / path, error))
            return {};
        return varnix::asOneArgument(path);
    }
    void startCommandLine(const std::string& line) override
    {
        if (startFails)
            throw std::system_error(ENOENT, std::generic_category(), "cannot run " + line.substr(0, line.find(' ')));
        starts.push_back({line, m_currentDir});
    }

private:
    std::string m_programDir;
    std::string m_currentDir;
};
