#include "entry/MealInfo.h"

#include "base/LeadingInt.h"
#include "base/StrPrintf.h"
#include "base/Utf8.h"
#include "entry/EntryInputRules.h"

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

std::optional<SMealInfoError> CMealInfo::Validate() const
{
    const struct
    {
        EMealField field;
        const char* name;
        const std::string& text;
    } texts[] = {{EMealField::Item, "Item", m_strItem}, {EMealField::Size, "Size", m_strSize}};
    for (const auto& text : texts) {
        const size_t length = CharacterCount(text.text);
        if (length > kMealTextLimit)
            return SMealInfoError{text.field, StrPrintf("%s can hold at most %zu characters; it has %zu. Please shorten it.",
                                                        text.name, kMealTextLimit, length)};
    }
    if (auto carbs = ValidateSlotCarbs(m_strCarbs))
        return SMealInfoError{EMealField::Carbs, std::move(*carbs)};
    return std::nullopt;
}
