#include "banners/BannerCatalogue.h"
#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "app/Settings.h"
#include "net/HttpClientOptions.h"
#include "net/OnlineTest.h"
#include "update/ConnectionCheck.h"
#include "update/ProgramUpdates.h"

#include <atomic>
#include <mutex>
#include <ostream>
#include <stdexcept>

namespace {

void PrintCatalogue(std::ostream& out, CBannerCatalogue& banners)
{
    std::lock_guard lock(banners.m_mutex);
    for (const auto& channel : banners.m_channels) {
        out << "channel " << channel->m_strID << "\t" << channel->m_strName << "\n";
        for (const auto& banner : channel->m_banners)
            out << "  banner " << banner->m_strID << "\t"
                << (banner->m_strName.empty() ? "(not downloaded)" : banner->m_strName) << "\n";
    }
}

} // namespace

int RunCheckUpdates(CCliContext& context)
{
    const CCliOptions options(context.args, {}, {});
    if (!options.Positional().empty())
        throw CUsageError("check-updates takes no arguments");
    context.folder.RequireExisting();
    CSettings settings(context.folder.SettingsFile());
    const std::string server = settings.Get(kServerUrlSetting);
    if (server.empty())
        throw std::runtime_error("no feed server is configured: set ServerURL in the section Settings of " +
                                 context.folder.SettingsFile());
    if (!IsOnline(server))
        throw std::runtime_error("offline: " + server + " is not a usable URL, or no network interface is up");

    const SHttpClientOptions http = HttpClientOptionsFrom(settings);
    std::atomic<bool> online{false};
    CProgramUpdates updates(settings, context.folder.path, server, http);
    CBannerCatalogue banners(settings, context.folder.path, server, http, online);
    banners.LoadBannerSettings();
    {
        CCheckForConnection check(updates, banners);
        check.RunOnce();
    }
    banners.WaitForDownloads();

    context.out << "handheld application: " << updates.PrcVersion() << "\n"
                << "conduit: " << updates.ConduitVersion() << "\n"
                << "program: " << updates.ExeVersion()
                << (updates.UpdatePending() ? ", downloaded and verified; the desktop program offers to install it\n" : "\n");
    PrintCatalogue(context.out, banners);
    if (!online)
        throw std::runtime_error("the feed server at " + server + " gave no channel list");
    return kExitOk;
}
