#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class CFoodItem;
class CItemCategory;

/// The words of a name or query as search compares them: lower case, the
/// accents of Latin letters dropped ("Entrée" gives "entree"), split at
/// every character that is not a letter or a digit.
std::vector<std::string> SearchWords(std::string_view utf8);

/// One found food: a name in a category with every serving size it has
/// that is not deleted, in size order.
struct SFoodMatch
{
    std::string name;
    const CItemCategory* category = nullptr;   ///< null for an item whose category is unknown
    std::vector<CFoodItem*> sizes;
};

/// Find-as-you-type over the food catalogue in memory: every word of the
/// query must start a word of the item's name. Best matches first: names
/// that start with the query's first word, then more query words matching
/// whole name words, then shorter names, then name order. Deleted sizes
/// are never found. UI thread only.
class CFoodSearch
{
public:
    /// Indexes the items by name and category; built once at load.
    explicit CFoodSearch(const std::vector<std::unique_ptr<CFoodItem>>& items);

    /// Takes in an item added to the catalogue or whose name changed.
    void Add(CFoodItem& item);
    /// The matches in rank order; none for a query without words.
    std::vector<SFoodMatch> Find(std::string_view query) const;

private:
    struct SEntry
    {
        std::string name;
        std::vector<std::string> words;
        size_t length;   ///< the name's characters, the ranking's third key
        std::vector<CFoodItem*> sizes;
    };

    std::vector<SEntry> m_entries;
    std::map<std::pair<std::string, std::string>, size_t> m_byNameAndCategory;   ///< into m_entries
    std::unordered_map<const CFoodItem*, size_t> m_entryOf;                     ///< into m_entries
};
