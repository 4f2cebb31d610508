#include "entry/FoodFinder.h"

#include "store/FoodItem.h"

bool CFoodFinder::SetText(std::string_view text)
{
    const bool searching = !text.empty();
    std::vector<std::string> words = SearchWords(text);
    if (searching == m_bSearching && words == m_words)
        return false;
    m_bSearching = searching;
    m_words = std::move(words);
    m_matches = m_search.Find(text);
    m_rows.clear();
    for (size_t match = 0; match < m_matches.size(); ++match)
        for (size_t size = 0; size < m_matches[match].sizes.size(); ++size)
            m_rows.push_back({match, size});
    return true;
}

CFoodItem& CFoodFinder::Item(size_t row) const
{
    const SRow& at = m_rows.at(row);
    return *m_matches[at.match].sizes[at.size];
}

std::string CFoodFinder::Text(size_t row, EColumn column) const
{
    const SRow& at = m_rows.at(row);
    const SFoodMatch& match = m_matches[at.match];
    switch (column) {
    case kNameColumn: return match.name;
    case kSizeColumn: return match.sizes[at.size]->ServingSizeName;
    case kCategoryColumn: return match.category ? match.category->Category : std::string();
    default: return {};
    }
}
