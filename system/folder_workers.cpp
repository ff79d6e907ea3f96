#include "system/folder_workers.h"

#include "system/directory_listing.h"

#include <map>
#include <system_error>
#include <thread>
#include <utility>

namespace varnix {

struct FolderWorkers::Awaited {
    using Key = std::pair<EntryKind, std::string>;
    struct UnderWay {
        std::shared_ptr<ReadProgress> progress;
        std::vector<ListingDone> waiting;
    };
    std::map<Key, UnderWay> underWay;

    // Everyone waiting for the read hears its end, once.
    void end(const Key& key, FolderListing listing)
    {
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

FolderWorkers::FolderWorkers(std::shared_ptr<WindowQueue> queue, Lister lister)
    : m_awaited(std::make_shared<Awaited>()), m_queue(std::move(queue)),
      m_lister(lister ? std::move(lister) : listCounting)
{
}

FolderWorkers::~FolderWorkers() = default;

FolderListing FolderWorkers::readHere(EntryKind kind, const std::string& directory, ReadProgress& progress)
{
    return readNow(listCounting, kind, directory, progress);
}

std::shared_ptr<const ReadProgress> FolderWorkers::read(EntryKind kind, const std::string& directory,
                                                         ListingDone done)
{
    Awaited::Key key{kind, directory};
    if (const auto found = m_awaited->underWay.find(key); found != m_awaited->underWay.end()) {
        found->second.waiting.push_back(std::move(done));
        return found->second.progress;
    }
    auto progress = std::make_shared<ReadProgress>(0);
    auto& underWay = m_awaited->underWay[key];
    underWay.progress = progress;
    underWay.waiting.push_back(std::move(done));
    try {
        // The worker holds plain data only: whatever it drops, on its own
        // thread, belongs to no other.
        std::thread([awaited = std::weak_ptr<Awaited>(m_awaited), queue = m_queue, lister = m_lister, key,
                     progress] {
            auto listing = readNow(lister, key.first, key.second, *progress);
            queue->post([awaited, key, listing = std::move(listing)]() mutable {
                if (const auto workers = awaited.lock())
                    workers->end(key, std::move(listing));
            });
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: read here rather than not at all.
        m_awaited->end(key, readNow(m_lister, kind, directory, *progress));
    }
    return progress;
}

}  // namespace varnix
