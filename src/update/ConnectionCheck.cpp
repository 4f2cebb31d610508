#include "update/ConnectionCheck.h"

#include "banners/BannerCatalogue.h"
#include "net/HttpTrace.h"
#include "update/ProgramUpdates.h"

#include <exception>
#include <string>

CCheckForConnection::CCheckForConnection(CProgramUpdates& updates, CBannerCatalogue& banners)
    : m_updates(updates), m_banners(banners)
{
}

CCheckForConnection::~CCheckForConnection()
{
    // The catalogue and the updates outlive this object: no pass may run on past it.
    Wait();
}

void CCheckForConnection::Start()
{
    std::lock_guard lock(m_mutex);
    ++m_nRunning;
    m_threads.emplace_back(&CCheckForConnection::RunOnWorker, this);
}

void CCheckForConnection::RunOnce()
{
    m_updates.CheckPrcUpdate();
    m_updates.CheckConduitUpdate();
    m_updates.CheckExeUpdate();
    m_banners.RefreshChannels();
}

void CCheckForConnection::RunOnWorker()
{
    try {
        RunOnce();
    } catch (const std::exception& e) {
        DefaultHttpTraceHook()(std::string("connection check failed: ") + e.what());
    } catch (...) {
        DefaultHttpTraceHook()("connection check failed");
    }
    std::lock_guard lock(m_mutex);
    --m_nRunning;
}

void CCheckForConnection::Wait()
{
    // Joined outside the lock: a finishing pass takes it to count itself out.
    for (;;) {
        std::vector<std::thread> threads;
        {
            std::lock_guard lock(m_mutex);
            threads.swap(m_threads);
        }
        if (threads.empty())
            return;
        for (std::thread& thread : threads)
            thread.join();
    }
}

bool CCheckForConnection::Running() const
{
    std::lock_guard lock(m_mutex);
    return m_nRunning > 0;
}
