#include "net/HttpClientOptions.h"

#include "app/Settings.h"

#include <algorithm>

SHttpClientOptions HttpClientOptionsFrom(const CSettings& settings)
{
    SHttpClientOptions options;
    // Negative values in a hand-edited settings file mean "no time at all", not a huge wait.
    options.firstByteTimeout = std::chrono::milliseconds(std::max(0L, settings.Get(kTimeoutSetting)));
    options.betweenBlocksTimeout = std::chrono::milliseconds(std::max(0L, settings.Get(kTimeout2Setting)));
    options.maxResponseBytes = static_cast<std::uint64_t>(std::max(0L, settings.Get(kMaxResponseBytesSetting)));
    options.dumpFile = settings.Get(kHttpDumpFileSetting);
    return options;
}
