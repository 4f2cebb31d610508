#include "entry/FoodPicker.h"

#include "base/StrPrintf.h"
#include "entry/EntryInputRules.h"

#include <algorithm>
#include <cmath>

std::optional<float> ParseQuantity(std::string_view text)
{
    const auto value = ParseDecimal(text);
    return value ? std::optional<float>(static_cast<float>(*value)) : std::nullopt;
}

double NetCarbs(double carbs, double fiber)
{
    // Rounded, not cut: 12.7 - 1.8 is a hair under 10.9 in binary.
    return std::max(0.0, std::round((carbs - fiber) * 10) / 10);
}

CNutrientValues NutrientValues(const SFoodItemRecord& item)
{
    return {static_cast<double>(item.Calories), static_cast<double>(item.FatCalories), item.FatGrams,
            item.FatGramsPercent, item.SaturatedFat, item.SaturatedFatPercent, item.PolySatFat, item.MonoUnsatFat,
            item.Cholesterol, item.CholesterolPercent, item.Sodium, item.SodiumPercent, item.Carbs,
            item.CarbsPercent, item.Fiber, item.FiberPercent, item.Sugars, NetCarbs(item.Carbs, item.Fiber)};
}

std::string StoredValueText(double value)
{
    return StrPrintf("%.15g", value);
}

void CFoodPicker::Select(const CFoodItem* item)
{
    if (!item)
        return;
    m_pChosen = item;
    m_quantity = 1.0f;
    m_lastQuantity = 1.0f;
    m_mode = kServings;
    Rescale();
}

bool CFoodPicker::SetQuantity(float quantity)
{
    if (!m_pChosen || quantity == m_lastQuantity)
        return false;
    m_quantity = quantity;
    m_lastQuantity = quantity;
    Rescale();
    return true;
}

bool CFoodPicker::AmountAllowed() const
{
    return m_pChosen && m_pChosen->ServingSizeAmt > 0;
}

bool CFoodPicker::SetMode(int mode)
{
    if (!m_pChosen || mode == m_mode || (mode == kAmount && !AmountAllowed()))
        return false;
    const double amount = m_pChosen->ServingSizeAmt;
    m_quantity = static_cast<float>(mode == kServings ? m_quantity / amount : m_quantity * amount);
    m_mode = mode;
    m_lastQuantity = m_quantity;
    Rescale();
    return true;
}

void CFoodPicker::Rescale()
{
    const double factor = m_mode == kServings ? m_quantity : m_quantity / m_pChosen->ServingSizeAmt;
    const CNutrientValues values = NutrientValues(*m_pChosen);
    for (size_t i = 0; i < kNetCarbsValue; ++i)
        m_values[i] = static_cast<int>(std::trunc(values[i] * factor));
    m_values[kNetCarbsValue] = static_cast<int>(NetCarbs(m_values[kCarbsValue], m_values[kFiberValue]));
}

SPickResult CFoodPicker::Result() const
{
    if (!m_pChosen)
        return {};
    return {m_pChosen->ItemName, m_pChosen->ServingSizeName, m_pChosen->ServingSizeUnit, m_quantity, m_mode,
            m_values[kCarbsValue]};
}
