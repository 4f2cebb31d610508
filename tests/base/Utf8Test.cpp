#include "base/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kE = "\xC3\xA9";              // é: two bytes
const std::string kEuro = "\xE2\x82\xAC";       // €: three bytes
const std::string kFace = "\xF0\x9F\x99\x82";   // a four-byte character

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    while (times-- > 0)
        out += text;
    return out;
}

} // namespace

TEST(Utf8, CountsAndCutsWholeCharacters)
{
    const struct { std::string text; std::size_t characters, limit; std::string kept; } cases[] = {
        {"Main", 4, 50, "Main"},
        {"Graph", 5, 5, "Graph"},                                 // exactly the limit
        {std::string(60, 'a'), 60, 50, std::string(50, 'a')},
        {"", 0, 50, ""},
        {"Main", 4, 0, ""},
        {"ab" + kE + "cd", 5, 3, "ab" + kE},                      // a byte cut at 3 would split é
        {"ab" + kE + "cd", 5, 2, "ab"},
        {kEuro + kFace + kEuro, 3, 2, kEuro + kFace},
        {Repeat(kE, 60), 60, 50, Repeat(kE, 50)},
        {kFace + kE + "a", 3, 9, kFace + kE + "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharacterCount(c.text), c.characters) << c.text;
        EXPECT_EQ(Utf8Prefix(c.text, c.limit), c.kept) << c.text << " cut at " << c.limit;
    }
}
