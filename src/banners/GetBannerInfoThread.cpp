// A banner's download: its description, its files, its two pages.
#include "banners/GetBannerInfoThread.h"

#include "app/Settings.h"
#include "banners/BannerCatalogue.h"
#include "banners/BannerPages.h"
#include "banners/BannerReplies.h"
#include "banners/BannerRequests.h"
#include "base/FileText.h"
#include "net/HttpGet.h"

#include <filesystem>
#include <stdexcept>

namespace {

std::string TrimLineEnds(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace

CGetBannerInfoThread::CGetBannerInfoThread(CBannerCatalogue& catalogue, CBanner& banner, std::string id)
    : m_catalogue(catalogue), m_banner(banner), m_strID(std::move(id)), m_thread([this] { Run(); })
{
}

CGetBannerInfoThread::~CGetBannerInfoThread()
{
    Join();
}

void CGetBannerInfoThread::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CGetBannerInfoThread::Run()
{
    CBanner* result = nullptr;
    try {
        result = m_catalogue.GetBannerInfo(m_banner, m_strID);
    } catch (const std::exception& e) {
        m_catalogue.Trace(std::string("banner download failed: ") + e.what());
    }
    bool isAppBanner = false;
    {
        std::lock_guard lock(m_catalogue.m_mutex);
        if (result) {
            m_catalogue.WriteBannerSettings(*result);
            if (result->m_pChannel)
                m_catalogue.m_settings.SetInt("numBanners_" + result->m_pChannel->m_strID,
                                              static_cast<long>(result->m_pChannel->m_banners.size()));
            isAppBanner = result == m_catalogue.m_pAppBanner;
        }
        m_banner.m_bDownloading = false;
    }
    if (isAppBanner && !m_catalogue.m_bStopping)
        m_catalogue.NotifyAppBanner();
    m_bFinished = true;
}

CBanner* CBannerCatalogue::GetBannerInfo(CBanner& banner, const std::string& id)
{
    if (m_bStopping || !IsPlainName(id))
        return nullptr;
    const auto reply = Fetch(FeedRequestPath(kBannerInfoPath, {id}));
    const auto info = reply ? ParseBannerInfoReply(*reply) : std::nullopt;
    if (!info)
        return nullptr;
    if (!IsUsableChannelId(info->channelId)) {
        Trace("banner " + id + ": channel ID refused: " + info->channelId);
        return nullptr;
    }
    std::string folder;
    {
        std::lock_guard lock(m_mutex);
        CChannel* channel = FindOrAddChannel(info->channelId);
        banner.m_pChannel = channel;
        folder = m_strAppDir + "/" + channel->m_strID + "/" + id;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const SBannerFile& file : info->files) {
        if (m_bStopping)
            return nullptr;
        if (IsPlainName(file.name))
            DownloadFile(folder + "/" + file.name, file.url);
        else
            Trace("banner " + id + ": file name refused: " + file.name);
    }
    std::lock_guard lock(m_mutex);
    StoreBannerInfo(banner, id, folder, *info);
    return &banner;
}

void CBannerCatalogue::StoreBannerInfo(CBanner& banner, const std::string& id, const std::string& folder,
                                       const SBannerInfoReply& reply)
{
    banner.m_strID = id;
    banner.m_strName = reply.name;
    banner.m_strBanner = reply.banner;
    banner.m_strDestURL = reply.destUrl;
    banner.m_strExpiry = reply.expiry;
    banner.m_nFlags = reply.flags;
    banner.m_nDuration = reply.duration;
    banner.m_nDropWidth = reply.dropWidth;
    banner.m_nDropHeight = reply.dropHeight;
    const auto write = [this](const std::string& path, const std::string& text) {
        try {
            WriteFileAtomically(path, text);
        } catch (const std::runtime_error& e) {
            Trace(e.what());
        }
    };
    if (reply.flags & kBannerBarIsDestination) {
        banner.m_strBarURL = reply.destUrl;
    } else {
        banner.m_strBarURL = folder + "/bannerbar.htm";
        write(banner.m_strBarURL, FormatBannerHtml(m_strBannerHtml, reply.destUrl, reply.banner));
    }
    if (reply.flags & kBannerPopupIsUrl) {
        banner.m_strPopupPageURL = TrimLineEnds(reply.popup);
    } else {
        banner.m_strPopupPageURL = folder + "/banner.htm";
        write(banner.m_strPopupPageURL, reply.popup);
    }
}

bool CBannerCatalogue::DownloadFile(const std::string& path, const std::string& url) const
{
    const SHttpGetResult got = HttpGet(url, m_options);
    // Only a whole 200 reply replaces the file: an error page or a cut body never does.
    if (!got.Whole()) {
        Trace(url + " not downloaded (" + std::to_string(got.result) + "): " + got.failure);
        return false;
    }
    try {
        WriteFileAtomically(path, got.body);
    } catch (const std::runtime_error& e) {
        Trace(e.what());
        return false;
    }
    return true;
}
