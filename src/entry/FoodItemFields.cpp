#include "entry/FoodItemFields.h"

#include "base/StrPrintf.h"
#include "entry/EntryInputRules.h"
#include "entry/FoodPicker.h"


namespace {

/// The fifteen double values of the label, in field order after the two calorie fields.
constexpr std::array<double SFoodItemRecord::*, 15> kValueMembers{
    &SFoodItemRecord::FatGrams,    &SFoodItemRecord::FatGramsPercent,    &SFoodItemRecord::SaturatedFat,
    &SFoodItemRecord::SaturatedFatPercent, &SFoodItemRecord::PolySatFat, &SFoodItemRecord::MonoUnsatFat,
    &SFoodItemRecord::Cholesterol, &SFoodItemRecord::CholesterolPercent, &SFoodItemRecord::Sodium,
    &SFoodItemRecord::SodiumPercent, &SFoodItemRecord::Carbs,       &SFoodItemRecord::CarbsPercent,
    &SFoodItemRecord::Fiber,       &SFoodItemRecord::FiberPercent,       &SFoodItemRecord::Sugars};

std::optional<double> ParseField(std::string_view text, const SFoodField& field)
{
    if (field.type == EFoodFieldType::Whole) {
        const auto whole = ParseWholeNumber(text, static_cast<int>(field.max));
        return whole ? std::optional<double>(*whole) : std::nullopt;
    }
    const auto value = ParseDecimal(text);
    return value && *value <= field.max ? value : std::nullopt;
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
    // Cut as a load cuts them, so a value reads the same before and after a restart.
    for (size_t i = 0; i < kValueMembers.size(); ++i)
        item.*kValueMembers[i] = CutToOneDecimal(numbers[kFirstNumberField + 2 + i]);
    item.ServingSizeUnit = texts[kUnitField];
    item.ServingSizeAmt = CutToOneDecimal(numbers[kServingAmountField]);
    return std::nullopt;
}
