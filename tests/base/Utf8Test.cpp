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
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

} // namespace

TEST(Utf8Prefix, KeepsWholeCharactersUpToTheLimit)
{
    struct SCase
    {
        const char* why;
        std::string text;
        std::size_t maxChars;
        std::string kept;
    };
    const SCase cases[] = {
        {"ASCII shorter than the limit", "Main", 50, "Main"},
        {"ASCII exactly the limit", "Graph", 5, "Graph"},
        {"ASCII longer than the limit", std::string(60, 'a'), 50, std::string(50, 'a')},
        {"empty", "", 50, ""},
        {"limit zero", "Main", 0, ""},
        // A byte cut at 3 would keep only the first byte of é.
        {"two-byte character straddling the limit", "ab" + kE + "cd", 3, "ab" + kE},
        {"two-byte character just past the limit", "ab" + kE + "cd", 2, "ab"},
        {"three- and four-byte characters", kEuro + kFace + kEuro, 2, kEuro + kFace},
        {"two-byte characters longer than the limit", Repeat(kE, 60), 50, Repeat(kE, 50)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8Prefix(c.text, c.maxChars), c.kept) << c.why;
}

TEST(Utf8CharacterCount, CountsCharactersNotBytes)
{
    struct SCase
    {
        std::string text;
        std::size_t characters;
    };
    const SCase cases[] = {
        {"", 0},
        {"Main", 4},
        {kE, 1},
        {"Caf" + kE, 4},
        {kEuro + "5", 2},
        {kFace + kE + "a", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharacterCount(c.text), c.characters) << c.text;
}
