#pragma once

#include "entry/MealInfo.h"
#include "store/FoodItem.h"

#include <array>
#include <optional>
#include <string_view>
#include <string>

/// Calories, FatCalories, the fifteen stored panel values in the label's
/// order, then the net carbohydrates worked out from them.
inline constexpr size_t kNutrientCount = 18;
using CNutrientValues = std::array<double, kNutrientCount>;
/// Indices of "Total Carbohydrates", "Dietary Fiber" and "Net Carbs" among the nutrient values.
inline constexpr size_t kCarbsValue = 12;
inline constexpr size_t kFiberValue = 14;
inline constexpr size_t kNetCarbsValue = 17;

/// Carbohydrates less fibre, never below 0, to one decimal as both are stored.
double NetCarbs(double carbs, double fiber);

/// A typed quantity: a number of 0 or more, blanks around it allowed;
/// nullopt when the text is not one.
std::optional<float> ParseQuantity(std::string_view text);

/// An item's nutrient values per serving, as stored.
CNutrientValues NutrientValues(const SFoodItemRecord& item);
/// A stored value as the panel shows it: up to 15 significant digits, no trailing zeros.
std::string StoredValueText(double value);

/// The food picker's choice: the chosen item, the quantity as servings
/// (mode 0) or as an amount in the item's unit (mode 1), and the values
/// scaled to it and cut to whole numbers; the net carbs are those of the
/// whole numbers shown, so the label adds up. UI thread only.
class CFoodPicker
{
public:
    static constexpr int kServings = 0;
    static constexpr int kAmount = 1;

    /// Chooses `item` at one serving; null changes nothing.
    void Select(const CFoodItem* item);
    /// A typed quantity; false (nothing changed) when no item is chosen or
    /// it equals the last quantity.
    bool SetQuantity(float quantity);
    /// Converts the quantity to `mode`; false when nothing changed: no item,
    /// the mode already set, or amount mode for an item without a positive
    /// serving amount.
    bool SetMode(int mode);
    /// Amount mode divides by the serving amount, so it needs a positive one.
    bool AmountAllowed() const;

    const CFoodItem* Chosen() const { return m_pChosen; }
    float Quantity() const { return m_quantity; }
    int Mode() const { return m_mode; }
    const std::array<int, kNutrientCount>& Values() const { return m_values; }
    /// What OK returns; an empty choice when no item was chosen.
    SPickResult Result() const;

private:
    void Rescale();

    const CFoodItem* m_pChosen = nullptr;   ///< not owned: an item of the catalogue
    float m_quantity = 1.0f;
    float m_lastQuantity = 1.0f;
    int m_mode = kServings;
    std::array<int, kNutrientCount> m_values{};
};
