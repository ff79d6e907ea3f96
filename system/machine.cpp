#include "system/machine.h"

#include "system/config_file.h"
#include "system/directories.h"
#include "system/process_start.h"
#include "system/short_path.h"

namespace varnix {

std::string Machine::programDirectory() const { return varnix::programDirectory(); }
std::string Machine::currentDirectory() const { return varnix::currentDirectory(); }
void Machine::changeDirectory(const std::string& directory) { varnix::changeDirectory(directory); }
bool Machine::isDirectory(const std::string& path) const { return varnix::isDirectory(path); }
void Machine::readFoldersOffThread(std::shared_ptr<WindowQueue> queue)
{
    m_workers = std::make_unique<FolderWorkers>(std::move(queue));
}

std::shared_ptr<const ReadProgress> Machine::readFolder(EntryKind kind, const std::string& directory,
                                                        ListingDone done)
{
    if (m_workers)
        return m_workers->read(kind, directory, std::move(done));
    auto progress = std::make_shared<ReadProgress>(0);
    done(FolderWorkers::readHere(kind, directory, *progress));
    return progress;
}

std::optional<ConfigRecord> Machine::readConfig(const std::string& path) const { return readConfigFile(path); }
void Machine::saveConfig(const std::string& path, const ConfigRecord& record) { saveConfigFile(path, record); }
std::string Machine::shortPath(const std::string& path) const { return ShortPath(path); }
void Machine::startCommandLine(const std::string& line) { varnix::startCommandLine(line); }

}  // namespace varnix
