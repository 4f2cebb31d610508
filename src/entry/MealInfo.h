#pragma once

#include <optional>
#include <string>

/// What the food picker returns on OK.
struct SPickResult
{
    std::string name;          ///< the item's name
    std::string servingSize;   ///< its serving size text
    std::string unit;          ///< its unit text
    float quantity = 1.0f;
    int mode = 0;              ///< 0 servings, 1 amount in the unit, -1 neither
    int carbs = 0;             ///< carbs for that quantity, whole units
};

/// The size text Pick makes: the serving size for exactly one serving,
/// "%g %s" of quantity and unit for an amount, else "%g of %s".
std::string PickSizeText(const SPickResult& pick);

inline constexpr size_t kMealTextLimit = 40;   ///< characters of item and size

enum class EMealField { Item, Size, Carbs };

/// Why Meal Info's OK refuses the values, and the field to correct.
struct SMealInfoError
{
    EMealField field;
    std::string message;
};

/// The Meal Info dialog's values: one meal slot being edited.
class CMealInfo
{
public:
    std::string m_strItem;
    std::string m_strSize;
    std::string m_strCarbs;   ///< a whole number from 0 to 99999 on OK (ValidateSlotCarbs)
    std::string m_strTitle;

    /// Replaces item, size and carbs with the picked ones.
    void Pick(const SPickResult& pick);
    /// Adds the picked food to what the slot holds.
    void Add(const SPickResult& pick);
    /// What OK refuses: an item or size longer than the limit, carbs that
    /// are not a whole number from 0 to 99999; nullopt when fine.
    std::optional<SMealInfoError> Validate() const;
};
