#pragma once

#include "core/system.h"

namespace varnix {

// The system interface over the real machine: this process's directories,
// the file system and process start.
class Machine final : public System {
public:
    std::string programDirectory() const override;
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& directory) override;
    bool isDirectory(const std::string& path) const override;
    std::vector<std::string> listFiles(const std::string& directory) const override;
    std::vector<std::string> listSubdirectories(const std::string& directory) const override;
    std::optional<ConfigRecord> readConfig(const std::string& path) const override;
    void saveConfig(const std::string& path, const ConfigRecord& record) override;
    std::string shortPath(const std::string& path) const override;
    void startCommandLine(const std::string& line) override;
};

}  // namespace varnix
