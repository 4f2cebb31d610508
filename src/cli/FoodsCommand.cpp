#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "entry/FoodTree.h"

#include <ostream>

int RunFoods(CCliContext& context)
{
    const CCliOptions options(context.args, {});
    if (!options.Positional().empty())
        throw CUsageError("foods takes no arguments");
    const auto app = LoadExistingDiet(context.folder);
    context.out << CFoodTree::BuildPageTree(app->m_categories).Text();
    return kExitOk;
}
