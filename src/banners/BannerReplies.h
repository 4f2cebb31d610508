#pragma once

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
/// Longest channel ID, banner ID or file name used as a folder or file name, bytes.
inline constexpr size_t kMaxPlainNameBytes = 100;

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

/// True when `name` may become a folder or file name under the data folder:
/// not empty, ".", or "..", no "/" or "\\", no NUL or other control byte,
/// at most kMaxPlainNameBytes bytes.
bool IsPlainName(std::string_view name);

/// C's atoi without its undefined overflow: blanks, a sign, digits; values
/// beyond 32 bits are clamped.
std::int32_t AtoiClamped(std::string_view text);
