#pragma once

#include "entry/FoodSearch.h"

#include <string>
#include <string_view>
#include <vector>

/// What the search field says while its words match no food.
inline constexpr std::string_view kNoFoodMatchesText = "No food matches these words.";

/// The search field of a food chooser (the Carb Info page, the food
/// picker) and the results that stand in for its tree while the field is
/// not empty: one row per serving size of every match, matches in rank
/// order, each row naming its food, size and category. UI thread only.
class CFoodFinder
{
public:
    enum EColumn : unsigned { kNameColumn, kSizeColumn, kCategoryColumn, kColumnCount };

    explicit CFoodFinder(const CFoodSearch& search) : m_search(search) {}

    /// Takes the field's text; false when the rows stay as they are (a
    /// blank or a comma added, or the same words again).
    bool SetText(std::string_view text);
    /// The results stand in for the tree while the field holds anything.
    bool Searching() const { return m_bSearching; }

    size_t RowCount() const { return m_rows.size(); }
    /// The serving size a row stands for: what selecting it chooses.
    CFoodItem& Item(size_t row) const;
    std::string Text(size_t row, EColumn column) const;

private:
    struct SRow
    {
        size_t match;
        size_t size;
    };

    const CFoodSearch& m_search;
    bool m_bSearching = false;
    std::vector<std::string> m_words;
    std::vector<SFoodMatch> m_matches;
    std::vector<SRow> m_rows;
};
