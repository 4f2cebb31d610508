#pragma once

#include <string_view>

/// Start-up's online test: a feed server is configured (`serverUrl` parses
/// as an absolute URL) and either its host is a loopback address or a
/// network interface other than loopback is up.
bool IsOnline(std::string_view serverUrl);
