#include "net/OnlineTest.h"

#include "net/HttpUrl.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <string>

namespace {

bool IsLoopbackHost(const std::string& host)
{
    return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

bool NonLoopbackInterfaceUp()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool up = false;
    for (const ifaddrs* entry = list; entry && !up; entry = entry->ifa_next)
        up = (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING) && !(entry->ifa_flags & IFF_LOOPBACK);
    freeifaddrs(list);
    return up;
}

} // namespace

bool IsOnline(std::string_view serverUrl)
{
    HttpUrl url;
    if (serverUrl.empty() || url.Parse(std::string(serverUrl)) != 0 || url.UnusableReason())
        return false;
    return IsLoopbackHost(url.Host()) || NonLoopbackInterfaceUp();
}
