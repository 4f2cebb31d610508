#include "banners/BannerCatalogue.h"

#include "app/Settings.h"
#include "banners/BannerPages.h"
#include "banners/BannerReplies.h"
#include "banners/BuiltInBannerFiles.h"
#include "banners/GetBannerInfoThread.h"
#include "base/FileText.h"
#include "base/StrPrintf.h"
#include "net/HttpGet.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace {

/// A settings file can be edited by hand; a count beyond this is not a catalogue of ours.
constexpr long kMaxStoredCount = 1000;

bool HasWebScheme(std::string_view url)
{
    return url.find("http:") != std::string_view::npos || url.find("https:") != std::string_view::npos;
}

} // namespace

CBannerCatalogue::CBannerCatalogue(CSettings& settings, std::string appDir, std::string serverUrl,
                                   SHttpClientOptions options, std::atomic<bool>& online)
    : m_strAppDir(std::move(appDir)),
      m_settings(settings),
      m_strServerUrl(std::move(serverUrl)),
      m_options(std::move(options)),
      m_bOnline(online)
{
}

CBannerCatalogue::~CBannerCatalogue()
{
    m_bStopping = true;
    WaitForDownloads();
}

void CBannerCatalogue::SetSink(IBannerBarSink* sink)
{
    std::lock_guard lock(m_sinkMutex);
    m_pSink = sink;
}

void CBannerCatalogue::WaitForDownloads()
{
    for (;;) {
        std::vector<std::unique_ptr<CGetBannerInfoThread>> threads;
        {
            std::lock_guard lock(m_threadsMutex);
            threads.swap(m_threads);
        }
        if (threads.empty())
            return;
        for (auto& thread : threads)
            thread->Join();
    }
}

void CBannerCatalogue::LoadBannerSettings()
{
    std::lock_guard lock(m_mutex);
    for (auto& channel : m_channels)
        Retire(std::move(channel));
    m_channels.clear();
    m_pAppChannel = m_pViewerChannel = nullptr;
    m_pAppBanner = m_pChannelListBanner = nullptr;

    const auto readInt = [this](std::string_view name, long defaultValue) {
        return static_cast<std::int32_t>(std::clamp(m_settings.GetInt(name, defaultValue), -kMaxStoredCount, kMaxStoredCount));
    };
    m_strBannerHtml = m_settings.GetText("BannerHtml", kDefaultBannerHtml);
    m_nMaxBannerExtraHeight = static_cast<std::int32_t>(m_settings.GetInt("maxBannerExtraHeight", 1000));
    const std::int32_t numChannels = readInt("numChannels", 0);
    m_nAppChannel = readInt("appChannelNum", 0);
    m_nAppBanner = readInt("appBannerNum", 0);
    m_nViewerChannel = readInt("viewerChannelNum", 0);
    m_nViewerBanner = readInt("viewerBannerNum", 0);
    m_bRotateAppChannels = m_settings.GetInt("rotateAppChannels", 0) > 0;

    for (std::int32_t c = 0; c < numChannels; ++c) {
        auto channel = std::make_unique<CChannel>();
        channel->m_nIndex = c;
        channel->m_strID = m_settings.GetText(StrPrintf("ChannelID%d", c), "");
        channel->m_strName = m_settings.GetText("ChannelName_" + channel->m_strID, "");
        channel->m_strDescription = m_settings.GetText("ChannelDesc_" + channel->m_strID, "");
        if (c == m_nAppChannel || (c == 0 && m_nAppChannel >= numChannels))
            m_pAppChannel = channel.get();
        if (c == m_nViewerChannel || (c == 0 && m_nViewerChannel >= numChannels))
            m_pViewerChannel = channel.get();
        const std::int32_t numBanners = readInt("numBanners_" + channel->m_strID, 0);
        for (std::int32_t b = 0; b < numBanners; ++b) {
            auto banner = std::make_unique<CBanner>();
            banner->m_pChannel = channel.get();
            banner->m_nIndex = b;
            if (channel.get() == m_pAppChannel && (b == m_nAppBanner || (b == 0 && m_nAppBanner >= numBanners)))
                m_pAppBanner = banner.get();
            LoadBanner(*channel, *banner);
            channel->m_banners.push_back(std::move(banner));
        }
        m_channels.push_back(std::move(channel));
    }
    if (numChannels <= 0)
        CreateBuiltInChannel();
    if (!m_channels.empty() && !m_channels[0]->m_banners.empty())
        m_pChannelListBanner = m_channels[0]->m_banners[0].get();
    m_nViewerChannel = readInt("lastChanner", 0);
    m_nViewerBanner = readInt("lastBanner", 0);
    RepairSelections();
    PlaceBuiltInFiles();
}

void CBannerCatalogue::LoadBanner(CChannel& channel, CBanner& banner)
{
    banner.m_strID = m_settings.GetText(StrPrintf("BannerID_%s_%d", channel.m_strID.c_str(), banner.m_nIndex), "");
    const std::string& id = banner.m_strID;
    const auto readInt = [&](std::string_view prefix, long defaultValue) {
        return static_cast<std::int32_t>(m_settings.GetInt(std::string(prefix) + id, defaultValue));
    };
    const auto readText = [&](std::string_view prefix) { return m_settings.GetText(std::string(prefix) + id, ""); };
    banner.m_strName = readText("BannerName_");
    banner.m_strBanner = readText("Banner_");
    banner.m_strDestURL = readText("BannerDestURL_");
    banner.m_strPopupPageURL = readText("BannerPopupPageURL_");
    banner.m_strBarURL = readText("BannerBarURL_");
    banner.m_strExpiry = readText("BannerExpiry_");
    banner.m_nDuration = readInt("BannerDuration_", 30);
    banner.m_nDropWidth = readInt("BannerDropWidth_", 472);
    banner.m_nDropHeight = readInt("BannerDropHeight_", 410);
    banner.m_nDropMaxExtraHeight = readInt("BannerDropMaxExtraHeight_", 1000);
    banner.m_nCount = readInt("BannerCount_", 0);
    banner.m_nFlags = readInt("BannerFlag_", 0);
    // Stored local pages are found again in the banner's own folder, wherever the data folder is now.
    if (!HasWebScheme(banner.m_strPopupPageURL))
        banner.m_strPopupPageURL = BannerFolder(channel, banner) + "/banner.htm";
    if (!HasWebScheme(banner.m_strBarURL))
        banner.m_strBarURL = BannerFolder(channel, banner) + "/bannerbar.htm";
}

void CBannerCatalogue::CreateBuiltInChannel()
{
    auto channel = std::make_unique<CChannel>();
    channel->m_nIndex = 0;
    channel->m_strID = kBuiltInChannelId;
    channel->m_strName = "Channel List";
    channel->m_strDescription = "Shows all channels playing and their contents";
    m_settings.SetText("ChannelID0", channel->m_strID);
    m_settings.SetText("ChannelName_Channels", channel->m_strName);
    m_settings.SetText("ChannelDesc_Channels", channel->m_strDescription);
    m_settings.SetInt("numChannels", 1);
    m_pAppChannel = channel.get();
    m_nAppChannel = 0;

    auto banner = std::make_unique<CBanner>();
    banner->m_pChannel = channel.get();
    banner->m_nIndex = 0;
    banner->m_strID = kBuiltInChannelId;
    banner->m_strName = "Channel List";
    banner->m_strBanner = "XchBanner2.jpg";
    banner->m_strDestURL = m_strServerUrl.empty() ? "" : ServerPathUrl(m_strServerUrl, "/leanlog/");
    const std::string folder = BannerFolder(*channel, *banner);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    banner->m_strPopupPageURL = folder + "/banner.htm";
    banner->m_strBarURL = folder + "/bannerbar.htm";
    banner->m_strExpiry = "1/1/2010";
    banner->m_nDuration = 0;
    banner->m_nDropWidth = 488;
    banner->m_nDropHeight = 410;
    banner->m_nDropMaxExtraHeight = 1000;
    banner->m_nCount = 0;
    banner->m_nFlags = kBannerBuiltIn;
    m_pAppBanner = banner.get();
    m_nAppBanner = 0;
    channel->m_banners.push_back(std::move(banner));
    m_channels.push_back(std::move(channel));
    m_pChannelListBanner = m_pAppBanner;
    WriteChannelBannerList(*m_channels[0]);
    WriteBannerSettings(*m_pAppBanner);
    WriteChannelListPage();
    try {
        WriteFileAtomically(m_pAppBanner->m_strBarURL, std::string(kChannelListBarPage));
    } catch (const std::runtime_error& e) {
        Trace(e.what());
    }
}

void CBannerCatalogue::PlaceBuiltInFiles() const
{
    const std::string folder = m_strAppDir + "/Channels/Channels";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const SBuiltInFile& file : BuiltInBannerFiles()) {
        const std::string path = folder + "/" + std::string(file.name);
        if (std::filesystem::exists(path, error))
            continue;
        try {
            WriteFileAtomically(path, std::string(file.bytes));
        } catch (const std::runtime_error& e) {
            Trace(e.what());
        }
    }
}

void CBannerCatalogue::WriteBannerSettings(const CBanner& banner)
{
    const std::string& id = banner.m_strID;
    const auto setText = [&](std::string_view prefix, const std::string& value) {
        m_settings.SetText(std::string(prefix) + id, value);
    };
    const auto setInt = [&](std::string_view prefix, std::int32_t value) {
        m_settings.SetInt(std::string(prefix) + id, value);
    };
    if (banner.m_pChannel)
        m_settings.SetText(StrPrintf("BannerID_%s_%d", banner.m_pChannel->m_strID.c_str(), banner.m_nIndex), id);
    setText("BannerName_", banner.m_strName);
    setText("Banner_", banner.m_strBanner);
    setText("BannerDestURL_", banner.m_strDestURL);
    setText("BannerPopupPageURL_", banner.m_strPopupPageURL);
    setText("BannerBarURL_", banner.m_strBarURL);
    setInt("BannerFlag_", banner.m_nFlags);
    setText("BannerExpiry_", banner.m_strExpiry);
    setInt("BannerDuration_", banner.m_nDuration);
    setInt("BannerDropWidth_", banner.m_nDropWidth);
    setInt("BannerDropHeight_", banner.m_nDropHeight);
    setInt("BannerDropMaxExtraHeight_", banner.m_nDropMaxExtraHeight);
    setInt("BannerCount_", banner.m_nCount);
}

void CBannerCatalogue::WriteChannelBannerList(CChannel& channel)
{
    m_settings.SetInt("numBanners_" + channel.m_strID, static_cast<long>(channel.m_banners.size()));
    for (size_t b = 0; b < channel.m_banners.size(); ++b) {
        CBanner& banner = *channel.m_banners[b];
        banner.m_nIndex = static_cast<std::int32_t>(b);
        m_settings.SetText(StrPrintf("BannerID_%s_%d", channel.m_strID.c_str(), banner.m_nIndex), banner.m_strID);
    }
}

void CBannerCatalogue::WriteChannelNumbers()
{
    m_settings.SetInt("numChannels", static_cast<long>(m_channels.size()));
    for (size_t c = 0; c < m_channels.size(); ++c) {
        m_channels[c]->m_nIndex = static_cast<std::int32_t>(c);
        m_settings.SetText(StrPrintf("ChannelID%d", m_channels[c]->m_nIndex), m_channels[c]->m_strID);
    }
}

CChannel* CBannerCatalogue::FindOrAddChannel(const std::string& id)
{
    for (auto& channel : m_channels)
        if (channel->m_strID == id)
            return channel.get();
    auto channel = std::make_unique<CChannel>();
    channel->m_strID = id;
    channel->m_nIndex = static_cast<std::int32_t>(m_channels.size());
    std::error_code error;
    std::filesystem::create_directories(m_strAppDir + "/" + id, error);
    m_settings.SetInt("numChannels", static_cast<long>(m_channels.size() + 1));
    m_settings.SetText(StrPrintf("ChannelID%d", channel->m_nIndex), id);
    m_settings.SetInt("numBanners_" + id, 0);
    m_channels.push_back(std::move(channel));
    return m_channels.back().get();
}

CBanner* CBannerCatalogue::FindOrAddBanner(CChannel& channel, const std::string& id)
{
    for (auto& banner : channel.m_banners)
        if (banner->m_strID == id)
            return banner.get();
    auto banner = std::make_unique<CBanner>();
    banner->m_pChannel = &channel;
    banner->m_strID = id;
    banner->m_nIndex = static_cast<std::int32_t>(channel.m_banners.size());
    m_settings.SetInt("numBanners_" + channel.m_strID, static_cast<long>(channel.m_banners.size() + 1));
    m_settings.SetText(StrPrintf("BannerID_%s_%d", channel.m_strID.c_str(), banner->m_nIndex), id);
    channel.m_banners.push_back(std::move(banner));
    return channel.m_banners.back().get();
}

void CBannerCatalogue::Retire(std::unique_ptr<CChannel> channel)
{
    if (channel)
        m_retiredChannels.push_back(std::move(channel));
}

void CBannerCatalogue::Retire(std::unique_ptr<CBanner> banner)
{
    if (banner)
        m_retiredBanners.push_back(std::move(banner));
}

void CBannerCatalogue::RepairSelections()
{
    const auto isLive = [this](const CChannel* channel) {
        return std::any_of(m_channels.begin(), m_channels.end(), [&](const auto& c) { return c.get() == channel; });
    };
    if (m_channels.empty()) {
        m_pAppChannel = m_pViewerChannel = nullptr;
        m_pAppBanner = m_pChannelListBanner = nullptr;
        return;
    }
    if (!m_pAppChannel || !isLive(m_pAppChannel))
        m_pAppChannel = m_channels[0].get();
    if (!m_pViewerChannel || !isLive(m_pViewerChannel))
        m_pViewerChannel = m_channels[0].get();
    m_nAppChannel = m_pAppChannel->m_nIndex;
    const auto& banners = m_pAppChannel->m_banners;
    const auto found = std::find_if(banners.begin(), banners.end(), [this](const auto& b) { return b.get() == m_pAppBanner; });
    if (found != banners.end()) {
        m_nAppBanner = static_cast<std::int32_t>(found - banners.begin());
    } else if (m_pAppBanner != m_pChannelListBanner || !m_pAppBanner) {
        m_nAppBanner = 0;
        m_pAppBanner = banners.empty() ? m_pChannelListBanner : banners[0].get();
    }
}

std::string CBannerCatalogue::BannerFolder(const CChannel& channel, const CBanner& banner) const
{
    return m_strAppDir + "/" + channel.m_strID + "/" + banner.m_strID;
}

SBannerView CBannerCatalogue::ViewOf(const CBanner& banner) const
{
    SBannerView view;
    view.id = banner.m_strID;
    view.banner = banner.m_strBanner;
    view.barUrl = banner.m_strBarURL;
    view.popupPageUrl = banner.m_strPopupPageURL;
    view.flags = banner.m_nFlags;
    view.duration = banner.m_nDuration;
    view.dropWidth = banner.m_nDropWidth;
    view.dropHeight = banner.m_nDropHeight;
    view.dropMaxExtraHeight = banner.m_nDropMaxExtraHeight;
    view.downloading = banner.m_bDownloading;
    return view;
}

SBannerBarState CBannerCatalogue::BarState() const
{
    std::lock_guard lock(m_mutex);
    SBannerBarState state;
    for (size_t c = 0; c < m_channels.size(); ++c) {
        state.channelNames.push_back(m_channels[c]->m_strName);
        if (m_channels[c].get() == m_pAppChannel)
            state.appChannel = static_cast<int>(c);
    }
    if (m_pAppChannel) {
        const auto& banners = m_pAppChannel->m_banners;
        for (size_t b = 0; b < banners.size(); ++b) {
            state.bannerNames.push_back(banners[b]->m_strName.empty() ? std::string(kNewBannerName) : banners[b]->m_strName);
            if (banners[b].get() == m_pAppBanner)
                state.appBanner = static_cast<int>(b);
        }
    }
    if (m_pAppBanner)
        state.current = ViewOf(*m_pAppBanner);
    return state;
}

void CBannerCatalogue::WriteChannelListPage()
{
    std::lock_guard lock(m_mutex);
    std::vector<SChannelListRow> rows;
    for (const auto& channel : m_channels)
        rows.push_back({channel->m_strID, channel->m_strName, channel->m_strDescription});
    // Always the built-in banner's own folder: a stored popup URL is not trusted as a place to write.
    try {
        WriteFileAtomically(m_strAppDir + "/Channels/Channels/banner.htm", ChannelListPage(rows));
    } catch (const std::runtime_error& e) {
        Trace(e.what());
    }
}

void CBannerCatalogue::NotifyAppBanner()
{
    std::lock_guard lock(m_sinkMutex);
    if (m_pSink)
        m_pSink->ShowAppBanner(BarState());
}

void CBannerCatalogue::NotifyChannelsChanged()
{
    std::lock_guard lock(m_sinkMutex);
    if (m_pSink)
        m_pSink->ChannelsChanged(BarState());
}

void CBannerCatalogue::Trace(std::string_view text) const
{
    if (m_options.trace)
        m_options.trace(std::string("banners: ") + std::string(text));
}
