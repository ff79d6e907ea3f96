#pragma once

#include "core/directory_rows.h"
#include "core/emulator_table.h"
#include "core/system.h"
#include "core/type_ahead.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

class View;

// What a read of a list's folder came to; each read comes to one of them,
// once.
enum class ReadEnd {
    Listed,   // the list holds the folder's names now
    Failed,   // the folder could not be read: the list is as it was before
    GivenUp,  // a newer act of the user read another: nothing of it is shown
};
using AfterRead = std::function<void(ReadEnd end)>;

// The two ROM lists, what they hold and the reads that fill them. A read's
// end is an event of its own: while a handler of the window runs, no end is
// taken; those that came meanwhile are taken when it has ended, in the order
// they came. The reads one act of the user makes come to their ends in the
// order they were begun; a read begun by a newer act gives up the others.
class RomLists {
public:
    RomLists(View& view, System& system);
    RomLists(const RomLists&) = delete;
    RomLists& operator=(const RomLists&) = delete;

    // Held while a handler runs; the last one to go takes the ends that came.
    class Handler {
    public:
        explicit Handler(RomLists& lists) : m_lists(lists) { ++m_lists.m_handlers; }
        Handler(const Handler&) = delete;
        Handler& operator=(const Handler&) = delete;
        ~Handler();

    private:
        RomLists& m_lists;
    };
    [[nodiscard]] Handler handlerRuns() { return Handler(*this); }

    // The user acts anew: the reads begun from here on give up the earlier
    // acts' reads.
    void newAct() { m_act = ++m_acts; }

    // Reads the folder afresh: the list takes its names that match `pattern`
    // (the directory list: its sub-directories) when the read ends, then
    // `after` runs.
    void readFiles(const std::string& directory, const std::string& pattern, AfterRead after = {});
    void readDirectories(const std::string& directory, AfterRead after = {});
    // The directory list's directory until it is first read: read when the
    // list first shows.
    void setUnreadDirectory(const std::string& directory) { m_unreadDirectory = directory; }
    void showList(RomList list);

    // The row of `list` that `characters`, typed into it at `timeMs`, find
    // with the letters typed before them. While a read is under way the
    // lists show nothing to find.
    std::optional<std::size_t> findTyped(RomList list, std::optional<std::size_t> selected,
                                         std::string_view characters, std::optional<std::uint32_t> timeMs);

    const std::string& filesPattern() const { return m_filesPattern; }
    const std::vector<std::string>& files() const { return *m_files; }
    const DirectoryRows* directories() const { return m_directories.get(); }
    // The directory list's directory: none while a read of it is under way.
    std::string directoryPath() const;
    bool underWay() const { return !m_reads.empty(); }

private:
    struct Read {
        std::uint64_t id;
        RomList list;
        std::uint64_t act;
        std::function<void(std::vector<std::string> names)> settle;
        AfterRead after;
        std::optional<FolderListing> listing;  // once it has ended
    };

    void begin(RomList list, const std::string& directory, std::function<void(std::vector<std::string>)> settle,
               AfterRead after);
    void arrive(std::uint64_t id, FolderListing listing);
    void takeArrived();
    // Brings each read at the front whose end has come to its end, in order.
    void finishInOrder();
    void giveUp(Read read);
    // After a read of `list` has ended: the list as it stands now, unless
    // another read of it is still under way.
    void showWhatEnded(RomList list, bool changed);
    void showAsSettled(RomList list);
    bool& emptied(RomList list) { return m_emptied[list == RomList::Files ? 0 : 1]; }
    TypedText& typed(RomList list) { return m_typed[list == RomList::Files ? 0 : 1]; }
    bool reading(RomList list) const;

    View& m_view;
    System& m_system;
    std::string m_filesPattern;
    std::shared_ptr<const std::vector<std::string>> m_files;
    std::shared_ptr<const DirectoryRows> m_directories;
    std::optional<std::string> m_unreadDirectory;

    std::deque<Read> m_reads;  // under way, all of one act, in the order begun
    std::deque<std::pair<std::uint64_t, FolderListing>> m_arrived;  // while a handler ran
    std::uint64_t m_lastId = 0;
    std::uint64_t m_acts = 0;
    std::uint64_t m_act = 0;  // the act whose steps run now
    int m_handlers = 0;
    bool m_noticeShown = false;      // the view says a read is under way
    bool m_emptied[2] = {false, false};  // a list emptied for a read under way
    TypedText m_typed[2];  // what was typed into each list, kept until it shows other rows
    // Reads outlive the lists: their ends find nothing once they are gone.
    std::shared_ptr<RomLists*> m_self = std::make_shared<RomLists*>(this);
};

}  // namespace varnix
