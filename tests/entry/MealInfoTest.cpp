#include "entry/EntryText.h"
#include "entry/MealInfo.h"

#include <gtest/gtest.h>

namespace {

SPickResult Picked(const char* name, float quantity, int mode, int carbs = 0)
{
    return {name, "1 cup", "g", quantity, mode, carbs};
}

} // namespace

TEST(MealInfo, PickSizeTextByQuantityAndMode)
{
    struct
    {
        float quantity;
        int mode;
        const char* size;
    } cases[] = {
        {1.0f, 0, "1 cup"},        // one serving: the serving size itself
        {2.0f, 0, "2 of 1 cup"},
        {0.5f, 0, "0.5 of 1 cup"},
        {150.0f, 1, "150 g"},      // an amount in the item's unit
        {1.0f, 1, "1 g"},
        {1.1f, 1, "1.1 g"},        // a float printed with %g, not its binary tail
        {1.0f, -1, "1 of 1 cup"},  // neither button: not one plain serving
        {1234567.0f, 0, "1.23457e+06 of 1 cup"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickSizeText(Picked("Milk", c.quantity, c.mode)), c.size) << c.quantity << " mode " << c.mode;
}

TEST(MealInfo, PickReplacesAndAddCombines)
{
    CMealInfo info;
    info.m_strItem = "old";
    info.m_strSize = "old size";
    info.m_strCarbs = "99";
    info.Pick(Picked("Milk", 2.0f, 0, 24));
    EXPECT_EQ(info.m_strItem, "Milk");
    EXPECT_EQ(info.m_strSize, "2 of 1 cup");
    EXPECT_EQ(info.m_strCarbs, "24");

    CMealInfo empty;
    empty.Add(Picked("Eggs", 1.0f, 0, 1));
    EXPECT_EQ(empty.m_strItem, "Eggs");
    EXPECT_EQ(empty.m_strSize, "1 cup");
    EXPECT_EQ(empty.m_strCarbs, "1");
    empty.Add(Picked("Toast", 1.0f, 0, 15));
    EXPECT_EQ(empty.m_strItem, "Eggs, Toast");
    EXPECT_EQ(empty.m_strSize, "Multiple");
    EXPECT_EQ(empty.m_strCarbs, "16");

    CMealInfo typed;
    typed.m_strCarbs = "7 grams";   // leading digits count
    typed.Add(Picked("Kiwi", 1.0f, 0, 10));
    EXPECT_EQ(typed.m_strCarbs, "17");
}

TEST(MealInfo, ItemAndSizeHoldAtMostFortyCharacters)
{
    CMealInfo info;
    info.m_strItem = std::string(40, 'a');
    EXPECT_FALSE(info.Validate());
    std::string accented;
    for (int i = 0; i < 40; ++i)
        accented += "\xC3\xA9";   // 80 bytes, 40 characters
    info.m_strSize = accented;
    EXPECT_FALSE(info.Validate());

    info.Add(Picked("Bacon", 1.0f, 0, 0));   // "aaaa…, Bacon" is 47 characters
    const auto problem = info.Validate();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("Item"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("40"), std::string::npos) << *problem;
}

TEST(EntryText, LeadingIntReadsAsAtoiDoes)
{
    struct
    {
        const char* text;
        int value;
    } cases[] = {
        {"182.6", 182}, {"81.5", 81}, {" 200", 200}, {"+5", 5}, {"-3", -3}, {"abc", 0}, {"", 0},
        {"12abc", 12},  {"1e3", 1},   {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInt(c.text), c.value) << '"' << c.text << '"';
}
