#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "update/StartupFoodUpdate.h"

#include <ostream>
#include <stdexcept>

int RunUpdateFoods(CCliContext& context)
{
    const CCliOptions options(context.args, {}, {});
    if (!options.Positional().empty())
        throw CUsageError("update-foods takes no arguments");
    auto app = LoadExistingDiet(context.folder);
    const std::string server = app->Settings().Get(kServerUrlSetting);
    if (server.empty())
        throw std::runtime_error("no feed server is configured: set ServerURL in the section Settings of " +
                                 context.folder.SettingsFile());

    const SStartupFoodUpdate result = UpdateFoodTableAtStart(*app, CDateTime::Now());
    if (!result.online)
        throw std::runtime_error("offline: " + server + " is not a usable URL, or no network interface is up");
    context.out << result.categories.added << " categories added\n" << result.items.added << " items added\n";
    if (!result.categories.succeeded || !result.items.succeeded)
        throw std::runtime_error("the feed server at " + server + " gave no usable reply to the " +
                                 (result.categories.succeeded ? "item" : "category") +
                                 " request; the since date stays " + app->m_strLastFoodCatDlDate);
    return kExitOk;
}
