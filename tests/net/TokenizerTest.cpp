#include "net/LineTokenizer.h"
#include "net/StringTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(StringTokenizer, CountsOverlappingDelimitersFromThePosition)
{
    const struct { const char* text; const char* delimiter; int count; } cases[] = {
        {"a://b", "://", 2},
        {"a://b://c", "://", 3},
        {"", "://", 1},          // an empty text is one empty token
        {"aaaa", "aa", 4},       // occurrences at 0, 1 and 2 all count
        {"abc", "", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringTokenizer(c.text, c.delimiter).CountTokens(), c.count) << c.text << " on " << c.delimiter;
}

TEST(StringTokenizer, WalksTokensThenRunsDry)
{
    StringTokenizer tokens("host:8080/path/more", ":");
    EXPECT_EQ(tokens.NextToken(), "host");
    EXPECT_EQ(tokens.NextToken("/"), "8080");
    EXPECT_EQ(tokens.CountTokens(), 2);
    EXPECT_EQ(tokens.RestOfText(), "path/more");
    EXPECT_EQ(tokens.Position(), -1);
    EXPECT_EQ(tokens.CountTokens(), 0);
    EXPECT_EQ(tokens.NextToken(), "");
    EXPECT_EQ(tokens.RestOfText(), "");

    StringTokenizer last("a;b", ";");
    EXPECT_EQ(last.NextToken(), "a");
    EXPECT_EQ(last.NextToken(), "b");   // runs to the end: exhausted
    EXPECT_EQ(last.Position(), -1);
}

TEST(LineTokenizer, ReturnsLinesThenTheRestThenNothing)
{
    const std::string bytes = "one\r\ntwo\r\n\r\ntail";
    LineTokenizer lines(bytes);
    std::vector<std::string> seen;
    std::vector<std::ptrdiff_t> positions;
    for (int i = 0; i < 6; ++i) {
        seen.emplace_back(lines.NextToken());
        positions.push_back(lines.Position());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"one", "two", "", "tail", "", ""}));
    EXPECT_EQ(positions, (std::vector<std::ptrdiff_t>{5, 10, 12, -1, -1, -1}));
}
