#include "base/LeadingInt.h"
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
    EXPECT_EQ(SplitFeedRecords(std::string(2 * kMaxFeedRecords + 2, '\n'), 2).size(), kMaxFeedRecords);
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
        {"+-3", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingInt(c.text), c.integer) << c.text;
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
