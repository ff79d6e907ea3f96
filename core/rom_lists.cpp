#include "core/rom_lists.h"

#include "core/emulator_table.h"
#include "core/fixed_field.h"
#include "core/name_matching.h"
#include "core/path_names.h"
#include "core/view.h"

#include <algorithm>
#include <utility>

namespace varnix {
namespace {

// The list's directory taken apart; trailing blanks are no part of its name.
PathChain chainOf(const std::string& directory)
{
    return splitAbsolutePath(withoutTrailingBlanks(directory));
}

}  // namespace

RomLists::RomLists(View& view, System& system)
    : m_view(view), m_system(system), m_files(std::make_shared<const std::vector<std::string>>())
{
}

RomLists::Handler::~Handler()
{
    if (--m_lists.m_handlers == 0)
        m_lists.takeArrived();
}

void RomLists::readFiles(const std::string& directory, const std::string& pattern, AfterRead after)
{
    auto settle = [this, pattern](std::vector<std::string> names) {
        const auto patterns = splitPatterns(pattern);
        std::erase_if(names, [&patterns](const std::string& name) { return !matchesAnyWildcard(name, patterns); });
        m_filesPattern = pattern;
        m_files = std::make_shared<const std::vector<std::string>>(std::move(names));
    };
    begin(RomList::Files, directory, std::move(settle), std::move(after));
}

void RomLists::readDirectories(const std::string& directory, AfterRead after)
{
    auto chain = chainOf(directory);
    const auto path = chain.path();  // the empty name is no directory: its read fails
    auto settle = [this, chain = std::move(chain)](std::vector<std::string> subdirectories) {
        m_unreadDirectory.reset();
        m_directories = std::make_shared<const DirectoryRows>(DirectoryRows{chain, std::move(subdirectories)});
    };
    begin(RomList::Directories, path, std::move(settle), std::move(after));
}

void RomLists::showList(RomList list)
{
    if (list == RomList::Directories && m_unreadDirectory) {
        // An unreadable start directory leaves the list empty.
        readDirectories(*std::exchange(m_unreadDirectory, std::nullopt));
    }
    m_view.showRomList(list);
}

void RomLists::begin(RomList list, const std::string& directory,
                     std::function<void(std::vector<std::string>)> settle, AfterRead after)
{
    if (!m_reads.empty() && m_reads.front().act != m_act) {
        for (auto& read : std::exchange(m_reads, {}))
            giveUp(std::move(read));
    }
    const auto id = ++m_lastId;
    m_reads.push_back(Read{id, list, m_act, std::move(settle), std::move(after), std::nullopt});
    const std::weak_ptr<RomLists*> self = m_self;
    auto progress = m_system.readFolder(list == RomList::Files ? EntryKind::File : EntryKind::Directory, directory,
                                        [self, id](FolderListing listing) {
                                            if (const auto lists = self.lock())
                                                (*lists)->arrive(id, std::move(listing));
                                        });
    const auto found = std::find_if(m_reads.begin(), m_reads.end(), [id](const Read& read) { return read.id == id; });
    const bool arrived = std::any_of(m_arrived.begin(), m_arrived.end(), [id](const auto& end) { return end.first == id; });
    if (found == m_reads.end() || arrived)
        return;  // it has ended already
    // Under way: the list shows in its place, and no entry of another folder
    // shows meanwhile, in either list.
    m_noticeShown = true;
    emptied(list) = true;
    m_view.showRomList(list);
    m_view.showReading(list, std::move(progress));
    if (list == RomList::Files)
        m_view.showFiles(std::make_shared<const std::vector<std::string>>());
    else
        m_view.showDirectories(nullptr);
}

void RomLists::arrive(std::uint64_t id, FolderListing listing)
{
    m_arrived.emplace_back(id, std::move(listing));
    if (m_handlers == 0)
        takeArrived();
}

void RomLists::takeArrived()
{
    while (!m_arrived.empty()) {
        auto [id, listing] = std::move(m_arrived.front());
        m_arrived.pop_front();
        const auto found =
            std::find_if(m_reads.begin(), m_reads.end(), [id = id](const Read& read) { return read.id == id; });
        if (found == m_reads.end())
            continue;  // given up: neither its names nor its failure are shown
        found->listing = std::move(listing);
        // Its steps are a handler of their own: ends that come while they run
        // wait for them.
        ++m_handlers;
        finishInOrder();
        --m_handlers;
    }
}

void RomLists::finishInOrder()
{
    while (!m_reads.empty() && m_reads.front().listing) {
        Read read = std::move(m_reads.front());
        m_reads.pop_front();
        const bool failed = static_cast<bool>(read.listing->failure);
        if (!failed)
            read.settle(std::move(read.listing->names));
        showWhatEnded(read.list, !failed);
        // Reads its steps begin belong to its act.
        const auto act = std::exchange(m_act, read.act);
        if (read.after)
            read.after(failed ? ReadEnd::Failed : ReadEnd::Listed);
        m_act = act;
    }
}

void RomLists::giveUp(Read read)
{
    showWhatEnded(read.list, false);
    if (read.after)
        read.after(ReadEnd::GivenUp);
}

void RomLists::showWhatEnded(RomList list, bool changed)
{
    if (m_noticeShown && m_reads.empty()) {
        m_noticeShown = false;
        m_view.showReadEnded();
    }
    // A failed or given-up read shows the list as it was before it began; a
    // later read of the same list keeps it empty until that one ends.
    if (reading(list))
        return;
    const bool wasEmptied = std::exchange(emptied(list), false);
    if (changed || wasEmptied)
        showAsSettled(list);
}

void RomLists::showAsSettled(RomList list)
{
    typed(list).clear();
    if (list == RomList::Files)
        m_view.showFiles(m_files);
    else
        m_view.showDirectories(m_directories);
}

std::optional<std::size_t> RomLists::findTyped(RomList list, std::optional<std::size_t> selected,
                                               std::string_view characters, std::optional<std::uint32_t> timeMs)
{
    if (underWay())
        return std::nullopt;  // the list shows anew when the read ends, and forgets what was typed
    const auto& text = typed(list).add(characters, timeMs);
    if (list == RomList::Files)
        return typedRow(m_files->size(), [this](std::size_t row) -> std::string_view { return (*m_files)[row]; },
                        selected, text);
    if (!m_directories)
        return std::nullopt;
    return typedRow(m_directories->count(), [this](std::size_t row) -> std::string_view { return m_directories->nameAt(row); },
                    selected, text);
}

bool RomLists::reading(RomList list) const
{
    return std::any_of(m_reads.begin(), m_reads.end(), [list](const Read& read) { return read.list == list; });
}

std::string RomLists::directoryPath() const
{
    if (reading(RomList::Directories))
        return {};  // none of another folder while its own is read
    // A directory not yet read is the list's directory all the same.
    if (m_unreadDirectory)
        return chainOf(*m_unreadDirectory).path();
    return m_directories ? m_directories->chain.path() : std::string();
}

}  // namespace varnix
