#include "cli/CliModel.h"

#include <stdexcept>

std::unique_ptr<CLeanlogApp> LoadExistingDiet(const CDataFolder& folder)
{
    folder.RequireExisting();
    auto app = std::make_unique<CLeanlogApp>(folder);
    CCliPrompts prompts;
    if (app->InitData(prompts) == CLeanlogApp::EStartup::Cancelled)
        throw std::runtime_error("No diet has been started in " + folder.path +
                                 " yet; start one with: leanlog-cli new-diet --start YYYY-MM-DD --goal N");
    return app;
}
