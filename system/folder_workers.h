#pragma once

#include "core/system.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnix {

// Reads folders on threads of their own, so that the window's thread never
// waits for a slow disk or share, and hands each read's end to the window's
// thread. A read of a folder whose read is under way waits for that read: a
// folder that never answers holds one thread, however often it is chosen.
class FolderWorkers {
public:
    // Queues `task` to run on the window's thread; called on any thread.
    using Deliver = std::function<void(std::function<void()> task)>;
    // Reads a folder as listEntries does, counting into `progress`.
    using Lister =
        std::function<std::vector<std::string>(EntryKind kind, const std::string& directory, ReadProgress& progress)>;

    explicit FolderWorkers(Deliver deliver, Lister lister = {});
    // Nothing is delivered once the workers are gone. A worker still reading
    // ends on its own and touches nothing but what it shares with them.
    ~FolderWorkers();
    FolderWorkers(const FolderWorkers&) = delete;
    FolderWorkers& operator=(const FolderWorkers&) = delete;

    // On the window's thread: starts the read, or joins the one of the same
    // folder under way; `done` runs on the window's thread when it ends.
    std::shared_ptr<const ReadProgress> read(EntryKind kind, const std::string& directory, ListingDone done);

    // A read on the calling thread, for where there is no window to go back to.
    static FolderListing readHere(EntryKind kind, const std::string& directory, ReadProgress& progress);

    // Makes ready what reads share with the window's thread; the workers'
    // constructor calls it, before any worker starts.
    static void prepareSystem();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

}  // namespace varnix
