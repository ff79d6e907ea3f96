#pragma once

#include "core/command_line.h"
#include "core/failure.h"
#include "core/fixed_field.h"
#include "core/system.h"
#include "system/directory_listing.h"
#include "system/machine.h"

#include <filesystem>
#include <optional>
#include <vector>

// The real file system, with a program directory chosen by the test and a
// current directory kept here, so tests never change the process's own.
// Started command lines are recorded, never run.
class FakeSystem final : public varnix::System {
public:
    struct Start {
        std::string line;
        std::string currentDir;
    };
    std::vector<Start> starts;
    bool startFails = false;
    bool readFails = false;  // varnix.dat is there but cannot be read
    // When set, the file listing the system gives instead of the real one.
    std::optional<std::vector<std::string>> listing;
    // Reads of folders end at once, unless held: then each waits here until
    // the test lets it end, in any order.
    struct HeldRead {
        varnix::EntryKind kind;
        std::string directory;
        std::shared_ptr<varnix::ReadProgress> progress;
        varnix::ListingDone done;
    };
    bool holdReads = false;
    std::vector<HeldRead> heldReads;

    FakeSystem(std::string programDir, std::string currentDir)
        : m_programDir(std::move(programDir)), m_currentDir(std::move(currentDir))
    {
    }

    std::string programDirectory() const override { return m_programDir; }
    std::string currentDirectory() const override { return m_currentDir; }
    void changeDirectory(const std::string& directory) override
    {
        const auto name = varnix::withoutTrailingBlanks(directory);
        try {
            varnix::listSubdirectories(name);  // names in the system's code page, as the machine reads them
        } catch (const varnix::Failure&) {
            throw varnix::Failure("cannot change to " + name, "No such file or directory");
        }
        m_currentDir = name;
    }
    bool isDirectory(const std::string& path) const override { return m_machine.isDirectory(path); }
    std::vector<std::string> listFiles(const std::string& directory) const
    {
        return listing ? *listing : varnix::listFiles(directory);
    }
    std::shared_ptr<const varnix::ReadProgress> readFolder(varnix::EntryKind kind, const std::string& directory,
                                                           varnix::ListingDone done) override
    {
        auto progress = std::make_shared<varnix::ReadProgress>(0);
        heldReads.push_back({kind, directory, progress, std::move(done)});
        if (!holdReads)
            endRead(heldReads.size() - 1);
        return progress;
    }
    // Ends the held read `index` with the folder's listing as it is now.
    void endRead(std::size_t index)
    {
        auto read = std::move(heldReads.at(index));
        heldReads.erase(heldReads.begin() + static_cast<std::ptrdiff_t>(index));
        varnix::FolderListing listing;
        try {
            listing.names = read.kind == varnix::EntryKind::File ? listFiles(read.directory)
                                                                 : varnix::listSubdirectories(read.directory);
        } catch (...) {
            listing.failure = std::current_exception();
        }
        read.done(std::move(listing));
    }
    std::optional<varnix::ConfigRecord> readConfig(const std::string& path) const override
    {
        if (readFails)
            throw varnix::Failure("cannot read " + path, "Permission denied");
        return m_machine.readConfig(path);
    }
    void saveConfig(const std::string& path, const varnix::ConfigRecord& record) override
    {
        m_machine.saveConfig(path, record);
    }
    // The rule where names have no short form, against the kept directory.
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
            throw varnix::Failure("cannot run " + line.substr(0, line.find(' ')), "No such file or directory");
        starts.push_back({line, m_currentDir});
    }

private:
    varnix::Machine m_machine;
    std::string m_programDir;
    std::string m_currentDir;
};
