#include "entry/MealInfo.h"

#include "base/StrPrintf.h"
#include "base/Utf8.h"
#include "entry/EntryText.h"

std::string PickSizeText(const SPickResult& pick)
{
    if (pick.quantity == 1.0f && pick.mode == 0)
        return pick.servingSize;
    if (pick.mode == 1)
        return StrPrintf("%g %s", static_cast<double>(pick.quantity), pick.unit.c_str());
    return StrPrintf("%g of %s", static_cast<double>(pick.quantity), pick.servingSize.c_str());
}

void CMealInfo::Pick(const SPickResult& pick)
{
    m_strItem = pick.name;
    m_strSize = PickSizeText(pick);
    m_strCarbs = StrPrintf("%d", pick.carbs);
}

void CMealInfo::Add(const SPickResult& pick)
{
    m_strItem = m_strItem.empty() ? pick.name : m_strItem + ", " + pick.name;
    m_strSize = m_strSize.empty() ? PickSizeText(pick) : "Multiple";
    m_strCarbs = StrPrintf("%d", LeadingInt(m_strCarbs) + pick.carbs);
}

std::optional<std::string> CMealInfo::Validate() const
{
    for (const auto& [field, text] : {std::pair{"Item", &m_strItem}, std::pair{"Size", &m_strSize}}) {
        const size_t length = CharacterCount(*text);
        if (length > kMealTextLimit)
            return StrPrintf("%s can hold at most %zu characters; it has %zu. Please shorten it.", field,
                             kMealTextLimit, length);
    }
    return std::nullopt;
}
