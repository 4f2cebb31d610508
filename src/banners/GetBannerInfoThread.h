#pragma once

#include <atomic>
#include <string>
#include <thread>

class CBanner;
class CBannerCatalogue;

/// One banner download on a thread of its own: the banner's description and
/// files, then its settings, then the bar is told when it is the app banner.
/// Owned by the catalogue, which joins it before the banner can go away.
class CGetBannerInfoThread
{
public:
    CGetBannerInfoThread(CBannerCatalogue& catalogue, CBanner& banner, std::string id);
    ~CGetBannerInfoThread();
    CGetBannerInfoThread(const CGetBannerInfoThread&) = delete;
    CGetBannerInfoThread& operator=(const CGetBannerInfoThread&) = delete;

    bool Finished() const { return m_bFinished; }
    void Join();

private:
    void Run();

    CBannerCatalogue& m_catalogue;
    CBanner& m_banner;
    std::string m_strID;
    std::atomic<bool> m_bFinished{false};
    std::thread m_thread;   ///< last, so it starts after the members it reads
};
