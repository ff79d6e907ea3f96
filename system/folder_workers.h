#pragma once

#include "core/system.h"
#include "core/window_queue.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnix {

// Reads folders on threads of their own, so that the window's thread never
// waits for a slow disk or share, and hands each read's end to the window's
// thread through the window's queue. A read of a folder whose read is under
// way waits for that read: a folder that never answers holds one thread,
// however often it is chosen.
class FolderWorkers {
public:
    // Reads a folder as listEntries does, counting into `progress`.
    using Lister =
        std::function<std::vector<std::string>(EntryKind kind, const std::string& directory, ReadProgress& progress)>;

    explicit FolderWorkers(std::shared_ptr<WindowQueue> queue, Lister lister = {});
    // The ends still awaited are freed here, unrun. A worker still reading
    // ends on its own; what it posts then finds no workers.
    ~FolderWorkers();
    FolderWorkers(const FolderWorkers&) = delete;
    FolderWorkers& operator=(const FolderWorkers&) = delete;

    // On the window's thread: starts the read, or joins the one of the same
    // folder under way; `done` runs on the window's thread when it ends.
    std::shared_ptr<const ReadProgress> read(EntryKind kind, const std::string& directory, ListingDone done);

    // A read on the calling thread, for where there is no window to go back to.
    static FolderListing readHere(EntryKind kind, const std::string& directory, ReadProgress& progress);

private:
    struct Awaited;
    // Held by the window's thread alone; a worker holds a weak handle that
    // only the task it posts, run on the window's thread, turns into one.
    std::shared_ptr<Awaited> m_awaited;
    std::shared_ptr<WindowQueue> m_queue;
    Lister m_lister;
};

}  // namespace varnix
