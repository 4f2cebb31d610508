#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The pages the catalogue writes into banner folders. Server text goes in
/// HTML-escaped, so a name or URL can never add markup to our own pages.

/// Default of setting "BannerHtml": destination URL first, then the banner reference.
inline constexpr std::string_view kDefaultBannerHtml =
    "<body bgcolor=silver scroll=no leftmargin=0 topmargin=0 rightmargin=0 bottommargin=0>"
    "<table xwidth=100%% height=100%% cellpadding=0 cellspacing=0><tr><td align=center>"
    "<a href=\"%s\" target=\"_new\"><img src=\"%s\" border=0></a></td></tr></table></body>";

/// The built-in banner's bar page.
inline constexpr std::string_view kChannelListBarPage =
    "<body bgcolor=white scroll=no leftmargin=0 topmargin=0 rightmargin=0 bottommargin=0>"
    "<table width=100% height=100% cellpadding=0 cellspacing=0><tr><td align=center>"
    "<img src=\"Mouse.gif\" align=right><font size=1><br></font>"
    "<span style='font-family: Arial; font-size: 28pt'>Leanlog Channel List</span></td></tr></table></body>";

/// The bar page: `format` (setting "BannerHtml") with its first two "%s"
/// replaced by the escaped destination URL and banner reference, "%%" by
/// "%"; any other "%" stays as it is, so a stored format can never read
/// arguments that are not there.
std::string FormatBannerHtml(std::string_view format, std::string_view destUrl, std::string_view banner);

struct SChannelListRow
{
    std::string id;
    std::string name;
    std::string description;
};

/// The built-in banner's popup page: every channel in catalogue order.
std::string ChannelListPage(const std::vector<SChannelListRow>& channels);
