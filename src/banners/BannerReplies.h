#pragma once

#include "base/PlainName.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The feed's channel, channel info and banner info replies as values. The
/// parsers do no I/O and never throw, so the fuzz targets build them alone.
/// Text arrives in code page 1252 and leaves as UTF-8.

/// Limits on what one reply may make the catalogue do.
inline constexpr size_t kMaxChannelsPerList = 100;
inline constexpr size_t kMaxBannersPerChannel = 100;
inline constexpr int kMaxFilesPerBanner = 32;

struct SChannelInfoReply
{
    std::string name;
    std::string description;
    std::vector<std::string> bannerIds;
};

struct SBannerFile
{
    std::string name;
    std::string url;
};

struct SBannerInfoReply
{
    std::string name;
    std::string channelId;
    std::string banner;
    std::string destUrl;
    std::vector<SBannerFile> files;
    std::string expiry;
    std::int32_t flags = 0;
    std::int32_t duration = 0;
    std::int32_t dropWidth = 0;
    std::int32_t dropHeight = 0;
    std::string popup;   ///< the rest of the reply, bytes as sent
};

/// Channel IDs, one per line, at most kMaxChannelsPerList; nullopt for a "BAD" reply.
std::optional<std::vector<std::string>> ParseChannelListReply(std::string_view reply);
/// Name, description, then banner IDs (at most kMaxBannersPerChannel); nullopt for a "BAD" reply.
std::optional<SChannelInfoReply> ParseChannelInfoReply(std::string_view reply);
/// nullopt unless the reply begins with "GOOD" and holds every line up to
/// the drop height, with at most kMaxFilesPerBanner files.
std::optional<SBannerInfoReply> ParseBannerInfoReply(std::string_view reply);

/// The built-in channel's and banner's ID; the feed may not use it.
inline constexpr std::string_view kBuiltInChannelId = "Channels";
/// True for a channel ID the feed may use: a plain name that is neither the
/// built-in channel's nor one of the names the program keeps in the data
/// folder (its database, settings, lock, downloads, Handheld, Backups), whose
/// place a channel folder would otherwise take.
bool IsUsableChannelId(std::string_view id);
