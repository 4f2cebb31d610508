#include "banners/BannerReplies.h"

#include "base/LeadingInt.h"
#include "update/Cp1252.h"

#include <algorithm>
#include <cctype>

namespace {

/// Line bytes are 32 to 127; any other byte (every byte of 128 or more
/// included) ends a line.
bool IsLineByte(char c)
{
    const auto value = static_cast<unsigned char>(c);
    return value >= 32 && value <= 127;
}

/// Reads the feed's lines. A line is a run of line bytes; what is skipped
/// after it depends on the reply.
class CReplyLines
{
public:
    explicit CReplyLines(std::string_view reply) : m_reply(reply) {}

    bool AtEnd() const { return m_pos >= m_reply.size(); }
    std::string_view Rest() const { return m_reply.substr(m_pos); }

    std::string_view Line()
    {
        const size_t start = m_pos;
        while (m_pos < m_reply.size() && IsLineByte(m_reply[m_pos]))
            ++m_pos;
        return m_reply.substr(start, m_pos - start);
    }
    /// The channel replies: every run of other bytes separates two lines.
    void SkipSeparators()
    {
        while (m_pos < m_reply.size() && !IsLineByte(m_reply[m_pos]))
            ++m_pos;
    }
    /// The banner reply: only CR and LF are skipped.
    void SkipLineEnd()
    {
        while (m_pos < m_reply.size() && (m_reply[m_pos] == '\r' || m_reply[m_pos] == '\n'))
            ++m_pos;
    }

private:
    std::string_view m_reply;
    size_t m_pos = 0;
};

bool BeginsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

/// Every line of a channel reply, at most `limit`.
std::vector<std::string> ChannelReplyLines(std::string_view reply, size_t limit)
{
    std::vector<std::string> lines;
    CReplyLines reader(reply);
    while (!reader.AtEnd() && lines.size() < limit) {
        lines.push_back(Cp1252ToUtf8(reader.Line()));
        reader.SkipSeparators();
    }
    return lines;
}

} // namespace

std::optional<std::vector<std::string>> ParseChannelListReply(std::string_view reply)
{
    if (BeginsWith(reply, "BAD"))
        return std::nullopt;
    std::vector<std::string> ids = ChannelReplyLines(reply, kMaxChannelsPerList);
    std::erase(ids, std::string());
    return ids;
}

std::optional<SChannelInfoReply> ParseChannelInfoReply(std::string_view reply)
{
    if (BeginsWith(reply, "BAD"))
        return std::nullopt;
    std::vector<std::string> lines = ChannelReplyLines(reply, kMaxBannersPerChannel + 2);
    lines.resize(std::max<size_t>(lines.size(), 2));
    SChannelInfoReply info{std::move(lines[0]), std::move(lines[1]), {}};
    for (size_t i = 2; i < lines.size(); ++i)
        if (!lines[i].empty())
            info.bannerIds.push_back(std::move(lines[i]));
    return info;
}

std::optional<SBannerInfoReply> ParseBannerInfoReply(std::string_view reply)
{
    CReplyLines reader(reply);
    bool missing = false;
    auto next = [&] {
        missing = missing || reader.AtEnd();
        const std::string_view line = reader.Line();
        reader.SkipLineEnd();
        return line;
    };
    if (!BeginsWith(next(), "GOOD"))
        return std::nullopt;
    SBannerInfoReply info;
    info.name = Cp1252ToUtf8(next());
    info.channelId = Cp1252ToUtf8(next());
    info.banner = Cp1252ToUtf8(next());
    info.destUrl = Cp1252ToUtf8(next());
    const std::int32_t count = LeadingInt(next());
    if (count > kMaxFilesPerBanner)
        return std::nullopt;
    for (std::int32_t i = 0; i < count; ++i) {
        SBannerFile file;
        file.name = Cp1252ToUtf8(next());
        file.url = Cp1252ToUtf8(next());
        info.files.push_back(std::move(file));
    }
    info.expiry = Cp1252ToUtf8(next());
    info.flags = LeadingInt(next());
    info.duration = LeadingInt(next());
    info.dropWidth = LeadingInt(next());
    info.dropHeight = LeadingInt(next());
    if (missing)
        return std::nullopt;
    info.popup = std::string(reader.Rest());
    return info;
}

bool IsUsableChannelId(std::string_view id)
{
    if (!IsPlainName(id))
        return false;
    const auto sameLetters = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
               });
    };
    for (const std::string_view own : {kBuiltInChannelId, std::string_view("Handheld"), std::string_view("Backups")})
        if (sameLetters(id, own))
            return false;
    // By prefix, so the database's journal, the settings' temporaries and the downloads' signatures count too.
    for (const std::string_view stem : {"Leanlog", "RiRedo"})
        if (id.size() >= stem.size() && sameLetters(id.substr(0, stem.size()), stem))
            return false;
    return true;
}
