#include "entry/FoodSearch.h"
#include "store/FoodItem.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CFoodItem> Item(const char* name, int size, int attribs = 0)
{
    auto item = std::make_unique<CFoodItem>();
    item->ItemName = name;
    item->ItemCategoryCode = "01";
    item->ServingSizeCode = size;
    item->ServingSizeName = "size " + std::to_string(size);
    item->wAttribs = attribs;
    return item;
}

std::string Names(const std::vector<SFoodMatch>& matches)
{
    std::string names;
    for (const auto& match : matches)
        names += match.name + "|";
    return names;
}

} // namespace

TEST(FoodSearch, WordStartsAccentsAndRanking)
{
    std::vector<std::unique_ptr<CFoodItem>> items;
    for (const char* name : {"Egg, whole, cooked, hard-boiled", "Eggplant, boiled", "Beef, 1 Entrée", "Scrambled egg",
                             "Egg substitute", "Leggings"})
        items.push_back(Item(name, 1));
    items.push_back(Item("Egg substitute", 2));
    items.push_back(Item("Eggnog", 1, 0x01));   // deleted
    const CFoodSearch search(items);
    const struct
    {
        const char* query;
        const char* found;
    } cases[] = {
        {"egg boil", "Egg, whole, cooked, hard-boiled|Eggplant, boiled|"},   // a name-start and a whole word first
        {"EGG", "Egg substitute|Egg, whole, cooked, hard-boiled|Eggplant, boiled|Scrambled egg|"},
        {"entree", "Beef, 1 Entrée|"},                                         // accents ignored
        {"hard boiled", "Egg, whole, cooked, hard-boiled|"},                   // punctuation splits words
        {"gg", ""},                                                            // only word starts match
        {"eggn", ""},                                                          // deleted sizes are never found
        {" ,. ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Names(search.Find(c.query)), c.found) << c.query;
    EXPECT_EQ(search.Find("substitute").front().sizes.size(), 2u) << "every size of a found item";
}
