#pragma once

#include "core/system.h"
#include "system/folder_workers.h"

#include <memory>

namespace varnix {

// The system interface over the real machine: this process's directories,
// the file system and process start.
class Machine final : public System {
public:
    // From here on folders are read off the window's thread, and each read's
    // end comes back through `queue`. Until then a read ends where it starts.
    void readFoldersOffThread(std::shared_ptr<WindowQueue> queue);

    std::string programDirectory() const override;
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& directory) override;
    bool isDirectory(const std::string& path) const override;
    std::shared_ptr<const ReadProgress> readFolder(EntryKind kind, const std::string& directory,
                                                   ListingDone done) override;
    std::optional<ConfigRecord> readConfig(const std::string& path) const override;
    void saveConfig(const std::string& path, const ConfigRecord& record) override;
    std::string shortPath(const std::string& path) const override;
    void startCommandLine(const std::string& line) override;

private:
    std::unique_ptr<FolderWorkers> m_workers;
};

}  // namespace varnix
