#include "entry/FoodSearch.h"

#include "base/Utf8.h"
#include "entry/FoodTree.h"
#include "store/FoodItem.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

/// The base letter of a Latin-1 letter (U+00C0 to U+00FF), lower case; 0 for none.
char FoldLatin1(unsigned code)
{
    static constexpr char kBase[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"   // U+00C0..U+00DF
                                    "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";  // U+00E0..U+00FF
    return code >= 0xC0 && code <= 0xFF ? kBase[code - 0xC0] : 0;
}

bool IsWordByte(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
}

/// The text in lower case ASCII with accents dropped; other characters become blanks.
std::string Folded(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            const char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            out += IsWordByte(lower) ? lower : ' ';
        } else if ((c == 0xC3 || c == 0xC2) && i + 1 < utf8.size()) {
            const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
            const char base = FoldLatin1(code);
            out += base ? base : ' ';
        } else if (c >= 0xC0) {
            out += ' ';   // another script's letter: a word break, never a match
        }
    }
    return out;
}

struct SRank
{
    bool startsName = false;
    int wholeWords = 0;
    size_t length = 0;   ///< the name's characters
};

/// How well `entry` matches; nullopt when a query word starts no name word.
std::optional<SRank> Rank(const std::vector<std::string>& words, const std::vector<std::string>& query)
{
    SRank rank;
    for (size_t q = 0; q < query.size(); ++q) {
        bool found = false;
        for (size_t w = 0; w < words.size(); ++w) {
            if (!words[w].starts_with(query[q]))
                continue;
            found = true;
            rank.startsName |= q == 0 && w == 0;
            if (words[w].size() == query[q].size()) {
                ++rank.wholeWords;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return rank;
}

} // namespace

std::vector<std::string> SearchWords(std::string_view utf8)
{
    std::vector<std::string> words;
    const std::string folded = Folded(utf8);
    size_t start = 0;
    while (start < folded.size()) {
        const size_t end = std::min(folded.find(' ', start), folded.size());
        if (end > start)
            words.push_back(folded.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

CFoodSearch::CFoodSearch(const std::vector<std::unique_ptr<CFoodItem>>& items)
{
    for (const auto& item : items)
        Add(*item);
}

void CFoodSearch::Add(CFoodItem& item)
{
    // An item whose name changed leaves its old entry.
    if (const auto old = m_entryOf.find(&item); old != m_entryOf.end())
        std::erase(m_entries[old->second].sizes, &item);
    const auto key = std::make_pair(item.ItemName, item.ItemCategoryCode);
    auto [at, added] = m_byNameAndCategory.emplace(key, m_entries.size());
    if (added)
        m_entries.push_back({item.ItemName, SearchWords(item.ItemName), CharacterCount(item.ItemName), {}});
    auto& sizes = m_entries[at->second].sizes;
    sizes.insert(std::find_if(sizes.begin(), sizes.end(),
                              [&](const CFoodItem* size) { return size->ServingSizeCode > item.ServingSizeCode; }),
                 &item);
    m_entryOf[&item] = at->second;
}

std::vector<SFoodMatch> CFoodSearch::Find(std::string_view query) const
{
    const std::vector<std::string> words = SearchWords(query);
    if (words.empty())
        return {};
    std::vector<std::pair<SRank, SFoodMatch>> found;
    for (const auto& entry : m_entries) {
        auto rank = Rank(entry.words, words);
        if (!rank)
            continue;
        SFoodMatch match{entry.name, nullptr, {}};
        for (CFoodItem* size : entry.sizes)
            if ((size->wAttribs & kAttribHidden) == 0)
                match.sizes.push_back(size);
        if (match.sizes.empty())
            continue;
        match.category = match.sizes.front()->m_pCategory;
        rank->length = entry.length;
        found.emplace_back(*rank, std::move(match));
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first.startsName != b.first.startsName)
            return a.first.startsName;
        if (a.first.wholeWords != b.first.wholeWords)
            return a.first.wholeWords > b.first.wholeWords;
        if (a.first.length != b.first.length)
            return a.first.length < b.first.length;
        return CompareItemNames(a.second.name, b.second.name) < 0;
    });
    std::vector<SFoodMatch> matches;
    matches.reserve(found.size());
    for (auto& [rank, match] : found)
        matches.push_back(std::move(match));
    return matches;
}
