#include "support/RunProcess.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

TEST(FoodsCommand, PrintsTheCarbInfoTreeOrTheSearchResultsWithoutDeletedSizes)
{
    CTempDataDir dir;
    StartDietWithFoods(dir, Answers(2026, 1, 1, 150), "('F', 'Fruit')",
                       "(ItemName, ItemCategoryCode, ServingSizeCode, ServingSizeName, wAttribs) VALUES "
                       "('Apple', 'F', 1, 'small', 1), ('Apple', 'F', 2, 'large', 0), ('Kiwi', 'F', 1, 'one', 0)");
    const SProcessResult tree = Cli(dir, {"foods"});
    EXPECT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_EQ(tree.out, "Fruit\n  Apple\n    large\n  Kiwi\n    one\n");
    EXPECT_EQ(Cli(dir, {"foods", "--search", "app"}).out, "Apple\tFruit\n    large\n");
    const SProcessResult none = Cli(dir, {"foods", "--search", "pear"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}
