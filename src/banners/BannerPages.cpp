#include "banners/BannerPages.h"

#include "base/HtmlEscape.h"

std::string FormatBannerHtml(std::string_view format, std::string_view destUrl, std::string_view banner)
{
    const std::string_view args[] = {destUrl, banner};
    size_t used = 0;
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && next == '%') {
            out += '%';
            ++i;
        } else if (format[i] == '%' && next == 's' && used < std::size(args)) {
            out += HtmlEscape(args[used++]);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string ChannelListPage(const std::vector<SChannelListRow>& channels)
{
    std::string page =
        "<body bgcolor=cyan leftmargin=0 topmargin=0 rightmargin=0 bottommargin=0 xscroll=no>\n"
        "<table width=100% cellpadding=0 cellspacing=0><tr><td bgcolor=white align=center>"
        "<img src=\"Mouse.gif\" align=right>"
        "<span style='font-family: Arial; font-size: 28pt'>Leanlog Channel List</span></td></tr></table>\n"
        "<table cellpadding=4 cellspacing=0>\n"
        "<tr><th><font face=arial size=3 color=red>ID</font></th>"
        "<th><font face=arial size=3 color=red>Name</font></th></tr>\n";
    for (const SChannelListRow& channel : channels) {
        page += "<tr><th valign=top><font face=arial size=3>" + HtmlEscape(channel.id) + "</font></th>\n";
        page += "<td><font face=arial size=3><b>" + HtmlEscape(channel.name) + "</b><br>\n" +
                HtmlEscape(channel.description) + "</font></td></tr>\n";
    }
    page +=
        "</table>\n"
        "<p><b><font color=red>Move mouse outside banner to close.</font></b><p>\n"
        "<font size=1>Banners come from the Leanlog sponsor network; channels change as sponsors join and leave.</font>\n"
        "</body>\n";
    return page;
}
