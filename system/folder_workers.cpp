#include "system/folder_workers.h"

#include "system/directory_listing.h"

#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#ifdef _WIN32
#include "system/newer_calls.h"
#endif

namespace varnix {

struct FolderWorkers::Shared {
    using Key = std::pair<EntryKind, std::string>;
    struct UnderWay {
        std::shared_ptr<ReadProgress> progress;
        std::vector<ListingDone> waiting;
    };

    Lister lister;
    std::mutex mutex;  // keeps a delivery and the workers' end apart
    Deliver deliver;   // empty once the workers are gone
    std::map<Key, UnderWay> underWay;  // the window's thread only

    // On the window's thread: everyone waiting for the read hears its end.
    void end(const Key& key, FolderListing listing)
    {
        {
            std::lock_guard lock(mutex);
            if (!deliver)
                return;
        }
        const auto found = underWay.find(key);
        if (found == underWay.end())
            return;
        auto waiting = std::move(found->second.waiting);
        underWay.erase(found);
        for (std::size_t i = 0; i < waiting.size(); ++i)
            waiting[i](i + 1 < waiting.size() ? listing : std::move(listing));
    }
};

namespace {

FolderListing readNow(const FolderWorkers::Lister& lister, EntryKind kind, const std::string& directory,
                      ReadProgress& progress)
{
    FolderListing listing;
    try {
        listing.names = lister(kind, directory, progress);
    } catch (...) {
        listing.failure = std::current_exception();
    }
    return listing;
}

std::vector<std::string> listCounting(EntryKind kind, const std::string& directory, ReadProgress& progress)
{
    return listEntries(directory, kind, &progress);
}

}  // namespace

FolderWorkers::FolderWorkers(Deliver deliver, Lister lister) : m_shared(std::make_shared<Shared>())
{
    prepareSystem();
    m_shared->deliver = std::move(deliver);
    m_shared->lister = lister ? std::move(lister) : listCounting;
}

FolderListing FolderWorkers::readHere(EntryKind kind, const std::string& directory, ReadProgress& progress)
{
    return readNow(listCounting, kind, directory, progress);
}

FolderWorkers::~FolderWorkers()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->deliver = nullptr;
}

std::shared_ptr<const ReadProgress> FolderWorkers::read(EntryKind kind, const std::string& directory,
                                                         ListingDone done)
{
    Shared::Key key{kind, directory};
    if (const auto found = m_shared->underWay.find(key); found != m_shared->underWay.end()) {
        found->second.waiting.push_back(std::move(done));
        return found->second.progress;
    }
    auto progress = std::make_shared<ReadProgress>(0);
    auto& underWay = m_shared->underWay[key];
    underWay.progress = progress;
    underWay.waiting.push_back(std::move(done));
    try {
        std::thread([shared = m_shared, key, progress] {
            auto listing = readNow(shared->lister, key.first, key.second, *progress);
            std::lock_guard lock(shared->mutex);
            if (shared->deliver)
                shared->deliver([shared, key, listing = std::move(listing)]() mutable {
                    shared->end(key, std::move(listing));
                });
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: read here rather than not at all.
        m_shared->end(key, readNow(m_shared->lister, kind, directory, *progress));
    }
    return progress;
}

void FolderWorkers::prepareSystem()
{
#ifdef _WIN32
    // Looked up on first use, and thread-safe statics are off: the first use
    // is here, before a worker or the thread library's waits can reach it.
    newerKernelCalls();
    tickCount64();
#endif
}

}  // namespace varnix
