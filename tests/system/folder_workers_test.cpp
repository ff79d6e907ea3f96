#include "system/folder_workers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

using namespace varnix;

namespace {

// The window's thread as the workers see it: a queue whose tasks the test
// runs, its every wake failing, and a lister whose reads end only when the
// test lets them.
class Workers : public ::testing::Test {
protected:
    std::shared_ptr<WindowQueue> queue = std::make_shared<WindowQueue>([this] {
        std::lock_guard lock(m_mutex);
        ++m_posted;
        m_changed.notify_all();
        return false;  // so each post asks again: the count of posts
    });

    FolderWorkers::Lister lister()
    {
        return [this](EntryKind, const std::string& directory, ReadProgress& progress) {
            std::unique_lock lock(m_mutex);
            ++m_listings;
            progress = 7;
            m_changed.notify_all();
            m_changed.wait(lock, [&] { return m_released; });
            if (directory == "missing")
                throw std::runtime_error("cannot read missing");
            return std::vector<std::string>{directory + "/a"};
        };
    }
    void waitFor(std::size_t listings, std::size_t tasks)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_listings == listings && m_posted == tasks; });
    }
    void release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_posted = 0;
    std::size_t m_listings = 0;
    bool m_released = false;
};

}  // namespace

TEST_F(Workers, AFolderUnderWayIsReadOnceForAllWhoChooseItAndEachHearsItsEnd)
{
    FolderWorkers workers(queue, lister());
    std::vector<std::string> heard;
    const auto hear = [&heard](FolderListing listing) {
        heard.push_back(listing.failure ? "failed" : listing.names.at(0));
    };
    const auto first = workers.read(EntryKind::File, "roms", hear);
    const auto again = workers.read(EntryKind::File, "roms", hear);
    workers.read(EntryKind::Directory, "roms", hear);
    workers.read(EntryKind::File, "missing", hear);
    EXPECT_EQ(first, again) << "one read, one count";
    waitFor(3, 0);
    EXPECT_EQ(first->load(), 7u);
    EXPECT_TRUE(heard.empty()) << "nothing before the window's thread runs it";

    release();
    waitFor(3, 3);
    queue->runQueued();  // no wake came: the tasks waited all the same
    EXPECT_EQ(queue->failedWakes(), 3u);
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"failed", "roms/a", "roms/a", "roms/a"}));

    workers.read(EntryKind::File, "roms", hear);  // ended: read afresh
    waitFor(4, 4);
}

TEST_F(Workers, NothingIsHeardOnceTheWorkersAreGoneAndAClosedQueueFreesWhatItHeld)
{
    bool heard = false;
    const auto held = std::make_shared<int>(0);
    {
        FolderWorkers workers(queue, lister());
        workers.read(EntryKind::File, "roms", [&heard, held](FolderListing) { heard = true; });
        EXPECT_EQ(held.use_count(), 2);
        release();
        waitFor(1, 1);
    }
    EXPECT_EQ(held.use_count(), 1) << "the end awaited goes with the workers, on this thread";
    queue->runQueued();  // posted before they went, run after
    EXPECT_FALSE(heard);

    ASSERT_TRUE(queue->post([held] {}));
    EXPECT_EQ(held.use_count(), 2);
    queue->close();
    EXPECT_EQ(held.use_count(), 1) << "the window's end frees what is queued, unrun";
    EXPECT_FALSE(queue->post([held] {}));
    EXPECT_EQ(held.use_count(), 1);
}
