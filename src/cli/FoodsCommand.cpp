#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "entry/FoodSearch.h"
#include "entry/FoodTree.h"
#include "store/FoodItem.h"

#include <ostream>

int RunFoods(CCliContext& context)
{
    const CCliOptions options(context.args, {"search"});
    if (!options.Positional().empty())
        throw CUsageError("foods takes no arguments");
    const auto app = LoadExistingDiet(context.folder);
    const auto query = options.Value("search");
    if (!query) {
        context.out << CFoodTree::BuildPageTree(app->m_categories).Text();
        return kExitOk;
    }
    for (const SFoodMatch& match : CFoodSearch(app->m_foodItems).Find(*query)) {
        context.out << match.name << '\t' << (match.category ? match.category->Category : std::string()) << '\n';
        for (const CFoodItem* size : match.sizes)
            context.out << "    " << size->ServingSizeName << '\n';
    }
    return kExitOk;
}
