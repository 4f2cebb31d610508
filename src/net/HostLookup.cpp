#include "net/HostLookup.h"

#include "net/IpAddress.h"

#include <netdb.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

/// What the caller and the look-up thread share; whoever leaves last frees it.
struct SLookup
{
    std::mutex mutex;   ///< guards the members below
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    addrinfo* list = nullptr;
};

addrinfo Hints(bool numeric)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = numeric ? AI_NUMERICHOST : 0;
    return hints;
}

} // namespace

void SAddrInfoFree::operator()(addrinfo* list) const
{
    freeaddrinfo(list);
}

AddrInfoList LookUpHost(const std::string& host, int port, const CDeadline& deadline)
{
    const std::string service = std::to_string(port);
    if (IsIpAddress(host)) {
        const addrinfo hints = Hints(true);
        addrinfo* found = nullptr;
        return AddrInfoList(getaddrinfo(host.c_str(), service.c_str(), &hints, &found) == 0 ? found : nullptr);
    }
    auto lookup = std::make_shared<SLookup>();
    std::thread([lookup, host, service] {
        const addrinfo hints = Hints(false);
        addrinfo* found = nullptr;
        if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0)
            found = nullptr;
        std::lock_guard lock(lookup->mutex);
        if (lookup->abandoned) {
            if (found)
                freeaddrinfo(found);
            return;
        }
        lookup->list = found;
        lookup->finished = true;
        lookup->done.notify_one();
    }).detach();

    std::unique_lock lock(lookup->mutex);
    while (!lookup->finished && !deadline.Passed())
        lookup->done.wait_for(lock, std::chrono::milliseconds(deadline.PollTimeout()));
    if (!lookup->finished) {
        lookup->abandoned = true;
        return nullptr;
    }
    return AddrInfoList(lookup->list);
}
