#pragma once

#include "net/Deadline.h"

#include <memory>
#include <string>

struct addrinfo;

struct SAddrInfoFree
{
    void operator()(addrinfo* list) const;
};
using AddrInfoList = std::unique_ptr<addrinfo, SAddrInfoFree>;

/// The stream addresses of `host`, or null when the name does not resolve
/// before `deadline`. The system resolver cannot be interrupted, so a name
/// look-up runs on a detached thread of its own that a late answer ends
/// quietly; an IP address is read at once.
AddrInfoList LookUpHost(const std::string& host, int port, const CDeadline& deadline);
