// The feed's three replies and the names and pages made from them.
#include "banners/BannerPages.h"
#include "banners/BannerReplies.h"
#include "banners/BannerRequests.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(BannerReplies, ChannelRepliesSplitOnEveryRunOfOtherBytes)
{
    // A byte of 128 or more ends a line like CR and LF do; runs never make empty lines.
    EXPECT_EQ(ParseChannelListReply("a\r\n\r\nb\x85" "c\x01\td\r\n"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(ParseChannelListReply("BAD sponsor"), std::nullopt);
    EXPECT_EQ(ParseChannelListReply(""), Lines{});
    std::string many;
    for (int i = 0; i < 150; ++i)
        many += "c" + std::to_string(i) + "\n";
    EXPECT_EQ(ParseChannelListReply(many)->size(), kMaxChannelsPerList);

    const auto info = ParseChannelInfoReply("Name &\r\nDesc\r\nb1\r\nb2");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->name, "Name &");
    EXPECT_EQ(info->description, "Desc");
    EXPECT_EQ(info->bannerIds, (Lines{"b1", "b2"}));
    EXPECT_EQ(ParseChannelInfoReply("BAD"), std::nullopt);
}

TEST(BannerReplies, BannerInfoReadsTheFixedLinesAndKeepsTheRestAsThePopup)
{
    const auto info = ParseBannerInfoReply(
        "GOOD\r\nName\r\nchan\r\nb.jpg\r\nhttp://d/\r\n2\r\nb.jpg\r\nhttp://f/b.jpg\r\nc.gif\nhttp://f/c.gif\n"
        "1/1/2030\r\n24\r\n15\r\n480\r\n400\r\n<p>caf\xe9</p>\r\n");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->name, "Name");
    EXPECT_EQ(info->channelId, "chan");
    EXPECT_EQ(info->banner, "b.jpg");
    EXPECT_EQ(info->destUrl, "http://d/");
    ASSERT_EQ(info->files.size(), 2u);
    EXPECT_EQ(info->files[1].name, "c.gif");
    EXPECT_EQ(info->files[1].url, "http://f/c.gif");
    EXPECT_EQ(info->expiry, "1/1/2030");
    EXPECT_EQ(info->flags, 24);
    EXPECT_EQ(info->duration, 15);
    EXPECT_EQ(info->dropWidth, 480);
    EXPECT_EQ(info->dropHeight, 400);
    EXPECT_EQ(info->popup, "<p>caf\xe9</p>\r\n");

    // Only CR and LF are skipped here: another byte leaves every later line empty.
    const auto stuck = ParseBannerInfoReply("GOOD\r\nName\x85" "chan\r\nx\r\n");
    ASSERT_TRUE(stuck);
    EXPECT_EQ(stuck->name, "Name");
    EXPECT_EQ(stuck->channelId, "");
    EXPECT_EQ(stuck->dropHeight, 0);
    EXPECT_EQ(stuck->popup, "\x85" "chan\r\nx\r\n");
}

TEST(BannerReplies, BannerInfoRefusals)
{
    const std::string tail = "1/1/2030\n0\n30\n472\n410";
    for (const std::string& reply : {
             "BAD\n" + tail,                                  // the server's refusal
             "HTTP/1.1 200 OK\n" + tail,                      // not GOOD
             std::string("GOOD\nn\nc\nb\nd\n0\n1/1/2030\n0\n30\n472"),   // cut before the drop height
             "GOOD\nn\nc\nb\nd\n33\n" + tail,                 // more files than a banner may have
         })
        EXPECT_EQ(ParseBannerInfoReply(reply), std::nullopt) << reply;
    EXPECT_TRUE(ParseBannerInfoReply("GOOD\nn\nc\nb\nd\n-5\n" + tail));   // a negative count is none
}

TEST(BannerReplies, PlainNames)
{
    const struct { std::string name; bool plain; } cases[] = {
        {"banner-1.jpg", true},
        {"with space", true},
        {std::string(kMaxPlainNameBytes, 'a'), true},
        {std::string(kMaxPlainNameBytes + 1, 'a'), false},
        {"", false},
        {".", false},
        {"..", false},
        {"...", true},
        {"../x", false},
        {"a/b", false},
        {"a\\b", false},
        {std::string("a\0b", 3), false},
        {"a\tb", false},
        {"a\x7f", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainName(c.name), c.plain) << c.name;
}

TEST(BannerReplies, ChannelIdsNeverTakeTheDataFoldersOwnNames)
{
    const struct { std::string_view id; bool usable; } cases[] = {
        {"recipes", true},
        {"Leanlog.lock", false},
        {"Channels", false},
        {"handheld", false},           // a channel folder there would become the first handheld user
        {"Backups", false},
        {"RiRedo.mdb-journal", false},
        {"Leanlog.ini", false},
        {"LeanlogUpdate.dat.sig", false},
        {"../x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUsableChannelId(c.id), c.usable) << c.id;
}

TEST(BannerPages, ServerTextIsEscapedInOurPages)
{
    EXPECT_NE(FormatBannerHtml(kDefaultBannerHtml, "http://x/?a=1&b=\"2\"", "b.jpg")
                  .find("<a href=\"http://x/?a=1&amp;b=&quot;2&quot;\" target=\"_new\"><img src=\"b.jpg\" border=0></a>"),
              std::string::npos);
    // A stored format cannot read arguments that are not there.
    EXPECT_EQ(FormatBannerHtml("%s %n %d %s %s %", "d", "b"), "d %n %d b %s %");

    const std::string page = ChannelListPage({{"c<1>", "Fish & <Chips>", "It's \"good\""}});
    EXPECT_NE(page.find("<th valign=top><font face=arial size=3>c&lt;1&gt;</font></th>"), std::string::npos);
    EXPECT_NE(page.find("<td><font face=arial size=3><b>Fish &amp; &lt;Chips&gt;</b><br>\nIt&#39;s &quot;good&quot;</font></td>"),
              std::string::npos);
}

TEST(BannerRequests, ArgumentsArePercentEncoded)
{
    EXPECT_EQ(FeedRequestPath("/q.asp?id=%s&n=%d", {"a b&c=d/..", "7"}), "/q.asp?id=a%20b%26c%3Dd%2F..&n=7");
}
