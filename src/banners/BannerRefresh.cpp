// The catalogue refresh: the channel list and channel info requests and
// their merge. Network replies are fetched with the lock released, then
// merged in one step under it, so the bar never waits for the network.
#include "banners/BannerCatalogue.h"

#include "app/Settings.h"
#include "banners/BannerReplies.h"
#include "banners/BannerRequests.h"
#include "net/HttpGet.h"

#include <algorithm>

std::optional<std::string> CBannerCatalogue::Fetch(const std::string& path) const
{
    if (m_strServerUrl.empty())
        return std::nullopt;
    const std::string url = ServerPathUrl(m_strServerUrl, path);
    SHttpGetResult got = HttpGet(url, m_options);
    if (!got.Whole()) {
        Trace(url + " failed (" + std::to_string(got.result) + "): " + got.failure);
        return std::nullopt;
    }
    return std::move(got.body);
}

bool CBannerCatalogue::GetChannelList(std::vector<std::string>& list)
{
    std::string sponsor;
    std::string beta;
    {
        std::lock_guard lock(m_mutex);
        sponsor = m_strSponsorId;
        beta = std::to_string(m_nBetaId);
    }
    const auto reply = Fetch(FeedRequestPath(kChannelListPath, {sponsor, beta}));
    auto ids = reply ? ParseChannelListReply(*reply) : std::nullopt;
    if (!ids)
        return false;
    list = std::move(*ids);
    return true;
}

std::optional<SChannelInfoReply> CBannerCatalogue::FetchChannelInfo(const std::string& id) const
{
    std::string path;
    {
        std::lock_guard lock(m_mutex);
        path = FeedRequestPath(kChannelInfoPath, {id, m_strSponsorId, std::to_string(m_nBetaId)});
    }
    const auto reply = Fetch(path);
    return reply ? ParseChannelInfoReply(*reply) : std::nullopt;
}

bool CBannerCatalogue::GetChannelInfo(CChannel& channel)
{
    const auto info = FetchChannelInfo(channel.m_strID);
    if (!info)
        return false;
    std::lock_guard lock(m_mutex);
    MergeChannelInfo(channel, *info);
    return true;
}

void CBannerCatalogue::MergeChannelInfo(CChannel& channel, const SChannelInfoReply& reply)
{
    channel.m_strName = reply.name;
    channel.m_strDescription = reply.description;
    m_settings.SetText("ChannelName_" + channel.m_strID, channel.m_strName);
    m_settings.SetText("ChannelDesc_" + channel.m_strID, channel.m_strDescription);
    for (auto& banner : channel.m_banners)
        banner->m_bPresent = false;
    for (const std::string& id : reply.bannerIds) {
        // Banner settings are keyed by the banner ID alone: the built-in one's are ours.
        if (IsPlainName(id) && id != kBuiltInChannelId)
            FindOrAddBanner(channel, id)->m_bPresent = true;
        else
            Trace("banner ID refused: " + id);
    }
    // Removed banners keep their settings values, as removed channels do.
    auto& banners = channel.m_banners;
    const auto kept = std::stable_partition(banners.begin(), banners.end(), [](const auto& b) { return b->m_bPresent; });
    for (auto it = kept; it != banners.end(); ++it)
        Retire(std::move(*it));
    banners.erase(kept, banners.end());
    WriteChannelBannerList(channel);
}

void CBannerCatalogue::RefreshChannels()
{
    std::vector<std::string> listed;
    if (!GetChannelList(listed)) {
        m_bOnline = false;
        return;
    }
    m_bOnline = true;
    std::vector<std::string> ids;
    for (const std::string& id : listed) {
        if (!IsUsableChannelId(id))
            Trace("channel ID refused: " + id);
        else if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    }
    std::vector<std::optional<SChannelInfoReply>> infos;
    for (const std::string& id : ids) {
        if (m_bStopping)
            return;
        infos.push_back(FetchChannelInfo(id));
    }

    bool changed = false;
    {
        std::lock_guard lock(m_mutex);
        for (size_t c = 1; c < m_channels.size();) {
            if (std::find(ids.begin(), ids.end(), m_channels[c]->m_strID) == ids.end()) {
                Retire(std::move(m_channels[c]));
                m_channels.erase(m_channels.begin() + static_cast<std::ptrdiff_t>(c));
                changed = true;
            } else {
                ++c;
            }
        }
        for (size_t i = 0; i < ids.size(); ++i) {
            // A channel whose description did not arrive is left as it was (and not added).
            if (!infos[i])
                continue;
            CChannel* channel = FindOrAddChannel(ids[i]);
            changed = changed || channel->m_strName != infos[i]->name ||
                      channel->m_strDescription != infos[i]->description;
            MergeChannelInfo(*channel, *infos[i]);
        }
        if (changed) {
            WriteChannelNumbers();
            WriteChannelListPage();
        }
        RepairSelections();
        StartDownloadsOfUnnamedBanners();
    }
    if (changed)
        NotifyChannelsChanged();
}
