#include "system/folder_workers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

using namespace varnix;

namespace {

// The window's thread as the workers see it: a queue of tasks the test runs,
// and a lister whose reads end only when the test lets them.
class Workers : public ::testing::Test {
protected:
    FolderWorkers::Deliver deliver()
    {
        return [this](std::function<void()> task) {
            std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
            m_changed.notify_all();
        };
    }
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
        m_changed.wait(lock, [&] { return m_listings == listings && m_tasks.size() == tasks; });
    }
    void release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }
    void runTasks()
    {
        std::unique_lock lock(m_mutex);
        auto tasks = std::move(m_tasks);
        lock.unlock();
        for (auto& task : tasks)
            task();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_tasks;
    std::size_t m_listings = 0;
    bool m_released = false;
};

}  // namespace

TEST_F(Workers, AFolderUnderWayIsReadOnceForAllWhoChooseItAndEachHearsItsEnd)
{
    FolderWorkers workers(deliver(), lister());
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
    runTasks();
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"failed", "roms/a", "roms/a", "roms/a"}));

    workers.read(EntryKind::File, "roms", hear);  // ended: read afresh
    waitFor(4, 1);
}

TEST_F(Workers, NothingIsHeardOnceTheWorkersAreGone)
{
    bool heard = false;
    {
        FolderWorkers workers(deliver(), lister());
        workers.read(EntryKind::File, "roms", [&heard](FolderListing) { heard = true; });
        release();
        waitFor(1, 1);
    }
    runTasks();  // delivered before they went, run after
    EXPECT_FALSE(heard);
}
