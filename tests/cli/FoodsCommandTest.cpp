#include "support/RunProcess.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

TEST(FoodsCommand, PrintsTheCarbInfoTreeWithoutDeletedSizes)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2026, 1, 1, 150));
        app->m_db->Execute("INSERT INTO LnLg_FoodCategories (CatCode, Category) VALUES ('F', 'Fruit')");
        app->m_db->Execute("INSERT INTO LnLg_FoodItem (ItemName, ItemCategoryCode, ServingSizeCode, "
                           "ServingSizeName, wAttribs) VALUES ('Apple', 'F', 1, 'small', 1), "
                           "('Apple', 'F', 2, 'large', 0), ('Kiwi', 'F', 1, 'one', 0)");
    }
    const SProcessResult result = RunProcess({LEANLOG_CLI_PATH, "--data-dir", dir.Path(), "foods"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Fruit\n  Apple\n    large\n  Kiwi\n    one\n");
}
