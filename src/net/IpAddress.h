#pragma once

#include <string_view>

/// True when `host` is an IPv4 or IPv6 address as inet_pton reads one
/// (no brackets, no zone); such a host is never matched by name.
bool IsIpAddress(std::string_view host);
