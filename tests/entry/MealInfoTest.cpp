#include "base/LeadingInt.h"
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
    const struct { float quantity; int mode; const char* size; } cases[] = {
        {1.0f, 0, "1 cup"},        // one serving: the serving size itself
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
    EXPECT_EQ(info.m_strItem + "|" + info.m_strSize + "|" + info.m_strCarbs, "Milk|2 of 1 cup|24");

    CMealInfo added;
    added.Add(Picked("Eggs", 1.0f, 0, 1));
    EXPECT_EQ(added.m_strItem + "|" + added.m_strSize + "|" + added.m_strCarbs, "Eggs|1 cup|1");
    added.m_strCarbs = "7 grams";   // leading digits count
    added.Add(Picked("Toast", 1.0f, 0, 15));
    EXPECT_EQ(added.m_strItem + "|" + added.m_strSize + "|" + added.m_strCarbs, "Eggs, Toast|Multiple|22");
}

TEST(MealInfo, ItemAndSizeHoldAtMostFortyCharacters)
{
    CMealInfo info;
    info.m_strCarbs = "0";
    info.m_strItem = std::string(40, 'a');
    for (int i = 0; i < 40; ++i)
        info.m_strSize += "\xC3\xA9";   // 80 bytes, 40 characters
    EXPECT_FALSE(info.Validate());
    info.Add(Picked("Bacon", 1.0f, 0, 0));   // "aaaa…, Bacon" is 47 characters
    const auto problem = info.Validate();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->message.find("Item"), std::string::npos) << problem->message;
    EXPECT_NE(problem->message.find("40"), std::string::npos) << problem->message;
}

TEST(LeadingInt, ReadsAsAtoiDoes)
{
    const std::pair<const char*, int> cases[] = {
        {"182.6", 182}, {" 200", 200}, {"+5", 5}, {"-3", -3}, {"abc", 0}, {"", 0},
        {"12abc", 12},  {"1e3", 1},    {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LeadingInt(text), value) << '"' << text << '"';
}
