#pragma once

#include "store/FoodItem.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

enum class EFoodFieldType { Text, Whole, Number };

/// One field of the food item editor, in exchange order.
struct SFoodField
{
    std::string_view label;   ///< names the field in messages
    EFoodFieldType type;
    double max;               ///< numbers run from 0 to max
};

inline constexpr size_t kFoodFieldCount = 21;
inline constexpr size_t kItemNameField = 0;
inline constexpr size_t kServingSizeField = 1;
inline constexpr size_t kFirstNumberField = 2;   ///< Calories; the label's values run to kUnitField - 1
inline constexpr size_t kUnitField = 19;
inline constexpr size_t kServingAmountField = 20;

inline constexpr double kMaxCalories = 19999;
inline constexpr double kMaxNutrient = 99999.9;

inline constexpr std::array<SFoodField, kFoodFieldCount> kFoodFields{{
    {"Item Name", EFoodFieldType::Text, 0},
    {"Serving Size", EFoodFieldType::Text, 0},
    {"Calories", EFoodFieldType::Whole, kMaxCalories},
    {"Calories from Fat", EFoodFieldType::Whole, kMaxCalories},
    {"Total Fat (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Total Fat (%)", EFoodFieldType::Number, kMaxNutrient},
    {"Saturated Fat (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Saturated Fat (%)", EFoodFieldType::Number, kMaxNutrient},
    {"Polyunsaturated Fat (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Monounsaturated Fat (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Cholesterol (mg)", EFoodFieldType::Number, kMaxNutrient},
    {"Cholesterol (%)", EFoodFieldType::Number, kMaxNutrient},
    {"Sodium (mg)", EFoodFieldType::Number, kMaxNutrient},
    {"Sodium (%)", EFoodFieldType::Number, kMaxNutrient},
    {"Total Carbohydrates (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Total Carbohydrates (%)", EFoodFieldType::Number, kMaxNutrient},
    {"Dietary Fiber (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Dietary Fiber (%)", EFoodFieldType::Number, kMaxNutrient},
    {"Sugars (g)", EFoodFieldType::Number, kMaxNutrient},
    {"Unit", EFoodFieldType::Text, 0},
    {"Serving Amount", EFoodFieldType::Number, kMaxNutrient},
}};

using CFoodFieldTexts = std::array<std::string, kFoodFieldCount>;

/// The editor's texts for an item (numbers as stored).
CFoodFieldTexts FoodFieldTexts(const SFoodItemRecord& item);

struct SFoodFieldError
{
    size_t field;          ///< the first field that failed; it takes the focus
    std::string message;   ///< names the field and its range
};

/// Reads the texts into the item's name, serving size, calories, the
/// fifteen values, unit and serving amount; stops at the first field that
/// is not a number in its range and leaves `item` unchanged then.
std::optional<SFoodFieldError> ReadFoodFields(const CFoodFieldTexts& texts, SFoodItemRecord& item);
