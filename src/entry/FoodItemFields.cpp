#include "entry/FoodItemFields.h"

#include "base/StrPrintf.h"
#include "entry/FoodPicker.h"

#include <charconv>

namespace {

/// The fifteen double values of the label, in field order after the two calorie fields.
constexpr std::array<double SFoodItemRecord::*, 15> kValueMembers{
    &SFoodItemRecord::FatGrams,    &SFoodItemRecord::FatGramsPercent,    &SFoodItemRecord::SaturatedFat,
    &SFoodItemRecord::SaturatedFatPercent, &SFoodItemRecord::PolySatFat, &SFoodItemRecord::MonoUnsatFat,
    &SFoodItemRecord::Cholesterol, &SFoodItemRecord::CholesterolPercent, &SFoodItemRecord::Sodium,
    &SFoodItemRecord::SodiumPercent, &SFoodItemRecord::Carbs,       &SFoodItemRecord::CarbsPercent,
    &SFoodItemRecord::Fiber,       &SFoodItemRecord::FiberPercent,       &SFoodItemRecord::Sugars};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<double> ParseField(std::string_view text, const SFoodField& field)
{
    text = Trimmed(text);
    double value = 0;
    const char* end = text.data() + text.size();
    std::from_chars_result parsed{};
    if (field.type == EFoodFieldType::Whole) {
        long whole = 0;
        parsed = std::from_chars(text.data(), end, whole);
        value = static_cast<double>(whole);
    } else {
        parsed = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    }
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end || value < 0 || value > field.max)
        return std::nullopt;
    return value;
}

std::string RangeMessage(const SFoodField& field)
{
    return StrPrintf("Please enter %s between 0 and %s for %s.",
                     field.type == EFoodFieldType::Whole ? "a whole number" : "a number",
                     StoredValueText(field.max).c_str(), std::string(field.label).c_str());
}

} // namespace

CFoodFieldTexts FoodFieldTexts(const SFoodItemRecord& item)
{
    CFoodFieldTexts texts;
    texts[kItemNameField] = item.ItemName;
    texts[kServingSizeField] = item.ServingSizeName;
    texts[kFirstNumberField] = StrPrintf("%d", item.Calories);
    texts[kFirstNumberField + 1] = StrPrintf("%d", item.FatCalories);
    for (size_t i = 0; i < kValueMembers.size(); ++i)
        texts[kFirstNumberField + 2 + i] = StoredValueText(item.*kValueMembers[i]);
    texts[kUnitField] = item.ServingSizeUnit;
    texts[kServingAmountField] = StoredValueText(item.ServingSizeAmt);
    return texts;
}

std::optional<SFoodFieldError> ReadFoodFields(const CFoodFieldTexts& texts, SFoodItemRecord& item)
{
    std::array<double, kFoodFieldCount> numbers{};
    for (size_t i = 0; i < kFoodFieldCount; ++i) {
        if (kFoodFields[i].type == EFoodFieldType::Text)
            continue;
        const auto value = ParseField(texts[i], kFoodFields[i]);
        if (!value)
            return SFoodFieldError{i, RangeMessage(kFoodFields[i])};
        numbers[i] = *value;
    }
    item.ItemName = texts[kItemNameField];
    item.ServingSizeName = texts[kServingSizeField];
    item.Calories = static_cast<std::int32_t>(numbers[kFirstNumberField]);
    item.FatCalories = static_cast<std::int32_t>(numbers[kFirstNumberField + 1]);
    for (size_t i = 0; i < kValueMembers.size(); ++i)
        item.*kValueMembers[i] = numbers[kFirstNumberField + 2 + i];
    item.ServingSizeUnit = texts[kUnitField];
    item.ServingSizeAmt = numbers[kServingAmountField];
    return std::nullopt;
}
