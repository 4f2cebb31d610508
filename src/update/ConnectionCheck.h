#pragma once

#include <mutex>
#include <thread>
#include <vector>

class CBannerCatalogue;
class CProgramUpdates;

/// The network housekeeping pass: the three version checks, then the
/// banner catalogue refresh (which sets m_bOnline). Start runs a pass on a
/// thread of its own; the object joins its threads when it ends.
class CCheckForConnection
{
public:
    CCheckForConnection(CProgramUpdates& updates, CBannerCatalogue& banners);
    ~CCheckForConnection();
    CCheckForConnection(const CCheckForConnection&) = delete;
    CCheckForConnection& operator=(const CCheckForConnection&) = delete;

    /// One pass on a new thread; a second Start while one runs starts another.
    void Start();
    /// One pass on the calling thread (the CLI's check-updates).
    void RunOnce();
    /// Waits for every running pass.
    void Wait();
    bool Running() const;

private:
    /// A pass on a worker: nothing escapes the thread.
    void RunOnWorker();

    CProgramUpdates& m_updates;
    CBannerCatalogue& m_banners;
    mutable std::mutex m_mutex;          ///< guards m_threads and m_nRunning
    std::vector<std::thread> m_threads;  ///< joined by Wait, finished or not
    int m_nRunning = 0;
};
