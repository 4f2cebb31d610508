#include "base/Csv.h"

#include <gtest/gtest.h>

TEST(Csv, FieldsAreQuotedOnlyWhenNeededAndNeverRunAsFormulas)
{
    const struct
    {
        const char* text;
        const char* written;
    } cases[] = {
        {"Eggs", "Eggs"},
        {"Beans, green", "\"Beans, green\""},
        {"12\" sub", "\"12\"\" sub\""},
        {"two\nlines", "\"two\nlines\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},   // a spreadsheet would run it
        {"-5 cal", "'-5 cal"},
        {"@SUM", "'@SUM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvTextField(c.text), c.written) << c.text;
}

TEST(Csv, ParsingReadsWhatWritingWroteAndNamesTheBadLine)
{
    const std::string text = "\xEF\xBB\xBF" + CsvRow({"a", CsvField("b,\"c\"\r\nd"), ""}) + "\n" + "x,y\n";
    std::string error;
    const auto records = ParseCsv(text, error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,\"c\"\r\nd", ""}));
    EXPECT_EQ(records[1].line, 4) << "a quoted line break and a blank line count as lines";

    for (const auto& [bad, line] : {std::pair{"a,b\n\"open,c\n", "line 2"}, {"a,b\nx\"y\n", "line 2"},
                                    {"\"a\"b\n", "line 1"}}) {
        ParseCsv(bad, error);
        EXPECT_EQ(error.substr(0, 6), line) << bad;
    }
}
