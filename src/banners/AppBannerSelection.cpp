// What the application's bar shows: rotation within the app channel and
// the user's choice of channel and banner. UI thread.
#include "banners/BannerCatalogue.h"

#include "app/Settings.h"
#include "banners/GetBannerInfoThread.h"
#include "base/PlainName.h"
#include "base/StrPrintf.h"

#include <system_error>

namespace {

/// At most this many banner downloads run at once; a banner left out is
/// fetched when it is next shown or refreshed.
constexpr size_t kMaxRunningDownloads = 8;

int Wrap(int index, int count)
{
    return ((index % count) + count) % count;
}

} // namespace

bool CBannerCatalogue::IsSkipped(const CBanner& banner) const
{
    return (banner.m_nFlags & kBannerOnlineOnly) != 0 && !m_bOnline;
}

void CBannerCatalogue::ShowBanner(CBanner& banner)
{
    if (banner.m_strName.empty() && m_bOnline && !banner.m_bDownloading) {
        StartDownload(banner);
        if (banner.m_bDownloading)
            banner.m_strBarURL = kDownloadingBarUrl;
    }
    ++banner.m_nCount;
    const std::int32_t channel = banner.m_pChannel ? banner.m_pChannel->m_nIndex : 0;
    m_settings.SetInt(StrPrintf("BannerCount%d_%d", channel, banner.m_nIndex), banner.m_nCount);
    m_settings.SetInt("curChannelNum", channel);
    m_settings.SetInt("curBannerNum", banner.m_nIndex);
}

void CBannerCatalogue::StartDownload(CBanner& banner)
{
    if (m_bStopping || banner.m_bDownloading || !IsPlainName(banner.m_strID))
        return;
    std::lock_guard lock(m_threadsMutex);
    std::erase_if(m_threads, [](const auto& thread) { return thread->Finished(); });
    if (m_threads.size() >= kMaxRunningDownloads)
        return;
    banner.m_bDownloading = true;
    try {
        m_threads.push_back(std::make_unique<CGetBannerInfoThread>(*this, banner, banner.m_strID));
    } catch (const std::system_error& e) {
        banner.m_bDownloading = false;
        Trace(std::string("no thread for a banner download: ") + e.what());
    }
}

void CBannerCatalogue::StartDownloadsOfUnnamedBanners()
{
    if (!m_bOnline)
        return;
    for (auto& channel : m_channels)
        for (auto& banner : channel->m_banners)
            if (banner->m_strName.empty())
                StartDownload(*banner);
}

CBanner* CBannerCatalogue::FindNextAppBanner()
{
    if (!m_pAppChannel || m_pAppChannel->m_banners.empty())
        return nullptr;
    const int count = static_cast<int>(m_pAppChannel->m_banners.size());
    for (int step = 1; step <= count; ++step) {
        const int index = Wrap(m_nAppBanner + step, count);
        if (!IsSkipped(*m_pAppChannel->m_banners[index])) {
            m_nAppBanner = index;
            return m_pAppChannel->m_banners[index].get();
        }
    }
    return nullptr;
}

std::optional<SBannerView> CBannerCatalogue::NextAppBanner()
{
    std::lock_guard lock(m_mutex);
    CBanner* banner = FindNextAppBanner();
    if (!banner)
        banner = m_pChannelListBanner;
    if (!banner)
        return std::nullopt;
    ShowBanner(*banner);
    m_pAppBanner = banner;
    return ViewOf(*banner);
}

void CBannerCatalogue::SelectAppChannel(int index)
{
    {
        std::lock_guard lock(m_mutex);
        const int count = static_cast<int>(m_channels.size());
        if (index < 0 || index >= count)
            return;
        const int step = index == m_nAppChannel + 1 ? 1 : -1;
        CBanner* found = nullptr;
        // A channel without banners shows the channel list; one whose banners
        // are all passed over gives way to its neighbours.
        if (!m_channels[index]->m_banners.empty()) {
            for (int tried = 0; tried < count && !found; ++tried) {
                m_nAppChannel = Wrap(index + tried * step, count);
                m_pAppChannel = m_channels[m_nAppChannel].get();
                m_nAppBanner = -1;
                found = FindNextAppBanner();
            }
        }
        if (!found) {
            m_nAppChannel = index;
            m_pAppChannel = m_channels[index].get();
            m_nAppBanner = 0;
            found = m_pChannelListBanner;
        }
        m_settings.SetInt("appChannelNum", m_nAppChannel);
        m_pAppBanner = found;
        if (found)
            ShowBanner(*found);
    }
    NotifyAppBanner();
}

void CBannerCatalogue::SelectAppBanner(int index)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_pAppChannel)
            return;
        const auto& banners = m_pAppChannel->m_banners;
        const int count = static_cast<int>(banners.size());
        if (index < 0 || index >= count)
            return;
        const int step = index == m_nAppBanner + 1 ? 1 : -1;
        int chosen = -1;
        for (int tried = 0; tried < count && chosen < 0; ++tried) {
            const int candidate = Wrap(index + tried * step, count);
            if (!IsSkipped(*banners[candidate]))
                chosen = candidate;
        }
        if (chosen < 0)
            return;
        m_nAppBanner = chosen;
        ShowBanner(*banners[chosen]);
        m_settings.SetInt("appBannerNum", chosen);
        m_pAppBanner = banners[chosen].get();
    }
    NotifyAppBanner();
}
