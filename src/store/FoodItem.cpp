#include "store/FoodItem.h"

#include "store/FoodRecordsets.h"

#include <cmath>

double CutToOneDecimal(double value)
{
    return std::trunc(value * 10.0) * 0.1;
}

CFoodItem CFoodItem::FromRecordset(const CFoodItemRS& rs)
{
    CFoodItem item(rs.m_rec);
    for (double* value : {&item.ServingSizeAmt, &item.FatGrams, &item.FatGramsPercent, &item.SaturatedFat,
                          &item.SaturatedFatPercent, &item.PolySatFat, &item.MonoUnsatFat, &item.Cholesterol,
                          &item.CholesterolPercent, &item.Sodium, &item.SodiumPercent, &item.Carbs,
                          &item.CarbsPercent, &item.Fiber, &item.FiberPercent, &item.Sugars, &item.Protein,
                          &item.Points})
        *value = CutToOneDecimal(*value);
    return item;
}

int CompareItemNames(std::string_view a, std::string_view b)
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca + ('a' - 'A'));
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb + ('a' - 'A'));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool ComesBefore(const SFoodItemRecord& a, const SFoodItemRecord& b)
{
    const int byName = CompareItemNames(a.ItemName, b.ItemName);
    if (byName != 0)
        return byName < 0;
    return a.ServingSizeCode < b.ServingSizeCode;
}

int IndexOfFoodItem(const std::vector<CFoodItem*>& items, std::string_view name, std::string_view categoryCode,
                    std::int32_t servingSizeCode)
{
    for (size_t i = 0; i < items.size(); ++i) {
        const CFoodItem& item = *items[i];
        if (item.ItemName == name && item.ItemCategoryCode == categoryCode && item.ServingSizeCode == servingSizeCode)
            return static_cast<int>(i);
    }
    return -1;
}
