#include "update/Cp1252.h"
#include "update/FeedRecords.h"
#include "update/FoodFeedReplies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::vector<std::string> Joined(const std::vector<FeedRecord>& records)
{
    std::vector<std::string> out;
    for (const auto& record : records) {
        std::string text;
        for (const auto field : record)
            text += "[" + std::string(field) + "]";
        out.push_back(text);
    }
    return out;
}

/// 26 item fields: the given leading ones, then "0" for the rest.
std::string ItemRecord(std::vector<std::string> fields)
{
    fields.resize(kFoodItemReplyFields, "0");
    std::string text;
    for (const auto& field : fields)
        text += field + "\n";
    return text;
}

} // namespace

TEST(FeedRecords, SplitsRecordsByTheReplyRules)
{
    struct
    {
        std::string body;
        std::vector<std::string> records;
        const char* why;
    } cases[] = {
        {"a\nb\nc\nd\n", {"[a][b]", "[c][d]"}, "every field ends at a line feed"},
        {"a\nb\nc\nd", {"[a][b]", "[c][d]"}, "the last field may end at the end"},
        {"a\nb\nc\n", {"[a][b]"}, "a record cut before its last field is dropped"},
        {"a\nb\nc", {"[a][b]"}, "a record cut inside its first field is dropped"},
        {"a\r\nb\r\n", {"[a\r][b\r]"}, "carriage returns belong to the field"},
        {"\n\nx\ny\n", {"[][]", "[x][y]"}, "an empty line is an empty field"},
        {"a\nb\nc\0d\ne\nf\n"s, {"[a][b]"}, "the text ends at the first NUL"},
        {""s, {}, "nothing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Joined(SplitFeedRecords(c.body, 2)), c.records) << c.why;
}

TEST(FoodFeedReplies, NumbersReadAsTheCLibraryReadsThem)
{
    struct
    {
        const char* text;
        std::int32_t integer;
        double decimal;
    } cases[] = {
        {"12", 12, 12},         {" \t-7.5x", -7, -7.5},   {"3\r", 3, 3},          {"+2.25", 2, 2.25},
        {"", 0, 0},             {"abc", 0, 0},            {"1e3", 1, 1000},       {"99999999999", 2147483647, 99999999999.0},
        {"-99999999999", -2147483647 - 1, -99999999999.0}, {"nan", 0, 0},        {"1e999", 1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FeedInteger(c.text), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(FeedDecimal(c.text), c.decimal) << c.text;
    }
}

TEST(FoodFeedReplies, TextArrivesInCodePage1252AndBecomesUtf8)
{
    EXPECT_EQ(Cp1252ToUtf8("Entr\xE9" "e \x80\x85\x9F\x81"), "Entrée €…Ÿ\xC2\x81");
    EXPECT_EQ(Utf8ToCp1252("Entrée €…Ÿ"), "Entr\xE9" "e \x80\x85\x9F");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), std::nullopt);   // cut character
    EXPECT_EQ(Utf8ToCp1252("Ω"), std::nullopt);          // not in the code page

    const auto categories = ParseCategoryReply("0100\nCaf\xE9 items\r\n");
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0].CatCode, "0100");
    EXPECT_EQ(categories[0].Category, "Café items\r");
}

TEST(FoodFeedReplies, ItemFieldsFollowTheColumnOrderWithTheThirdUnused)
{
    std::vector<std::string> fields{"Egg\r", "0100", "ignored", "2", "1 large", "50.5", "g", "72", "43"};
    for (int i = 10; i <= 26; ++i)
        fields.push_back(std::to_string(i) + ".25");
    const auto items = ParseFoodItemReply(ItemRecord(fields) + ItemRecord({"cut"}).substr(0, 20));
    ASSERT_EQ(items.size(), 1u);
    const SFoodItemRecord& item = items[0];
    EXPECT_EQ(item.ItemName, "Egg\r");
    EXPECT_EQ(item.ItemCategoryCode, "0100");
    EXPECT_EQ(item.ServingSizeCode, 2);
    EXPECT_EQ(item.ServingSizeName, "1 large");
    EXPECT_DOUBLE_EQ(item.ServingSizeAmt, 50.5);
    EXPECT_EQ(item.ServingSizeUnit, "g");
    EXPECT_EQ(item.Calories, 72);
    EXPECT_EQ(item.FatCalories, 43);
    EXPECT_DOUBLE_EQ(item.FatGrams, 10.25);
    EXPECT_DOUBLE_EQ(item.Carbs, 20.25);
    EXPECT_DOUBLE_EQ(item.Points, 26.25);
    EXPECT_EQ(item.ID, 0);
}
